#include "TCp1252.h"

#include <array>

namespace {
// 0x80..0x9F; the five holes of the code page (0x81 0x8D 0x8F 0x90 0x9D) pass through as the
// control characters of the same number, so no byte is ever lost on a round trip.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int EncodeOne(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < highControls.size(); ++i)
        if (highControls[i] == c)
            return static_cast<int>(0x80 + i);
    return -1;
}
} // namespace

char16_t TCp1252::ToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? highControls[byte - 0x80] : char16_t(byte);
}

QString TCp1252::Decode(std::string_view bytes)
{
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (size_t i = 0; i < bytes.size(); ++i)
        out[i] = QChar(ToUnicode(static_cast<unsigned char>(bytes[i])));
    return text;
}

std::string TCp1252::Encode(const QString& text, bool* lossy)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const int byte = EncodeOne(c);
        if (byte >= 0) {
            bytes.push_back(static_cast<char>(byte));
            continue;
        }
        bytes.push_back('?');
        if (lossy)
            *lossy = true;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character outside the BMP becomes one '?'
    }
    return bytes;
}
