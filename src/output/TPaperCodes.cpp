#include "TPaperCodes.h"

#include <array>
#include <utility>

namespace {

using P = QPageSize::PageSizeId;
constexpr std::array<std::pair<int, P>, 23> kPaperCodes{{
    {1, P::Letter},          {9, P::A4},              {11, P::A5},
    {19, P::Envelope9},      {20, P::Envelope10},     {21, P::Envelope11},
    {22, P::Envelope12},     {23, P::Envelope14},     {24, P::AnsiC},
    {25, P::AnsiD},          {26, P::AnsiE},          {27, P::EnvelopeDL},
    {28, P::EnvelopeC5},     {29, P::EnvelopeC3},     {30, P::EnvelopeC4},
    {31, P::EnvelopeC6},     {32, P::EnvelopeC65},    {33, P::EnvelopeB4},
    {34, P::EnvelopeB5},     {35, P::EnvelopeB6},     {36, P::EnvelopeItalian},
    {37, P::EnvelopeMonarch}, {38, P::EnvelopePersonal},
}};

} // namespace

std::optional<QPageSize::PageSizeId> TPaperCodes::PageSizeId(int paperCode)
{
    for (const auto& [code, id] : kPaperCodes)
        if (code == paperCode)
            return id;
    return std::nullopt;
}

int TPaperCodes::PaperCode(QPageSize::PageSizeId id)
{
    for (const auto& [code, sizeId] : kPaperCodes)
        if (sizeId == id)
            return code;
    return pcCustom;
}
