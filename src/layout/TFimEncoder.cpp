#include "TFimEncoder.h"

#include "TBarcodeConstants.h"

std::optional<TFimKind> TFimEncoder::Parse(std::string_view letter)
{
    if (letter.size() != 1)
        return std::nullopt;
    switch (letter[0]) {
    case 'A': case 'a': return TFimKind::fkA;
    case 'B': case 'b': return TFimKind::fkB;
    case 'C': case 'c': return TFimKind::fkC;
    default: return std::nullopt;
    }
}

std::vector<int> TFimEncoder::Slots(TFimKind kind)
{
    std::vector<int> slots;
    const char* pattern = TBarcodeConstants::FimPatterns[int(kind)];
    for (int position = 0; pattern[position]; ++position)
        if (pattern[position] == '1')
            slots.push_back(2 * position + 1);
    return slots;
}

TBarList TFimEncoder::Encode(TFimKind kind)
{
    using namespace TBarcodeConstants;
    TBarList list;
    for (const char* bar = FimPatterns[int(kind)]; *bar; ++bar)
        list.Pattern += *bar == '1' ? '|' : ' ';
    for (int slot : Slots(kind))
        list.Bars.push_back({(slot - 1) * FimSlotWidth, 0.0, FimSlotWidth, FimBarHeight});
    return list;
}
