#include "TextCase.h"

namespace xbase {

TextCase::Tables::Tables()
{
    for (int c = 0; c < 256; ++c) {
        upper[c] = static_cast<uint8_t>(c);
        lower[c] = static_cast<uint8_t>(c);
    }
    auto pair = [this](int capital, int small) {
        upper[small] = static_cast<uint8_t>(capital);
        lower[capital] = static_cast<uint8_t>(small);
    };
    for (int c = 'a'; c <= 'z'; ++c)
        pair(c - 0x20, c);
    for (int c = 0xE0; c <= 0xFE; ++c) {
        if (c != 0xF7) // the division sign is no letter
            pair(c - 0x20, c);
    }
    pair(0x8A, 0x9A); // Š š
    pair(0x8C, 0x9C); // Œ œ
    pair(0x8E, 0x9E); // Ž ž
    pair(0x9F, 0xFF); // Ÿ ÿ
}

const TextCase::Tables& TextCase::tables()
{
    static const Tables instance;
    return instance;
}

void TextCase::toUpper(char* text, size_t count)
{
    const uint8_t* map = tables().upper;
    for (size_t i = 0; i < count; ++i)
        text[i] = static_cast<char>(map[static_cast<uint8_t>(text[i])]);
}

void TextCase::toLower(char* text, size_t count)
{
    const uint8_t* map = tables().lower;
    for (size_t i = 0; i < count; ++i)
        text[i] = static_cast<char>(map[static_cast<uint8_t>(text[i])]);
}

} // namespace xbase
