#include "TSpellingAlphabet.h"

#include "data/TCp1252.h"

#include <array>

namespace {

// Code -> character: the 28 plain letters, Š Œ Ÿ, À to Ö, Ø to ß, ð and the back quote.
constexpr std::array<unsigned char, TSpellingAlphabet::LetterCount> Alphabet = [] {
    std::array<unsigned char, TSpellingAlphabet::LetterCount> letters{};
    int next = 0;
    for (unsigned char c = 'A'; c <= 'Z'; ++c)
        letters[next++] = c;
    letters[next++] = '\'';
    letters[next++] = '-';
    letters[next++] = 0x8A;
    letters[next++] = 0x8C;
    letters[next++] = 0x9F;
    for (int c = 0xC0; c <= 0xD6; ++c)
        letters[next++] = static_cast<unsigned char>(c);
    for (int c = 0xD8; c <= 0xDF; ++c)
        letters[next++] = static_cast<unsigned char>(c);
    letters[next++] = 0xF0;
    letters[next++] = '`';
    return letters;
}();

constexpr std::array<signed char, 256> Codes = [] {
    std::array<signed char, 256> codes{};
    for (int code = 0; code < TSpellingAlphabet::LetterCount; ++code)
        codes[Alphabet[code]] = static_cast<signed char>(code);
    return codes;
}();

bool IsDroppedFromKey(unsigned char c)
{
    switch (c) {
    case 'A': case 'E': case 'H': case 'I': case 'O': case 'U': case 'W': case 'Y': case 0x9F: case 0xF0:
        return true;
    default:
        return (c >= 0xC0 && c <= 0xC6) || (c >= 0xC8 && c <= 0xCF) || (c >= 0xD2 && c <= 0xD6) || c == 0xD8
            || (c >= 0xD9 && c <= 0xDD);
    }
}

unsigned char KeyCharacter(unsigned char c)
{
    switch (c) {
    case 'B': case 'F': case 'P': case 'V': case 0xDE: case 0xDF: case '6': case '8':
        return 1;
    case 'C': case 'G': case 'J': case 'K': case 'Q': case 'S': case 'X': case 'Z': case 0x8A: case 0x8C: case 0xC7:
    case '3': case '4': case '5': case '9':
        return 2;
    case 'D': case 'T': case 0xD0:
        return 3;
    case 'L': case '2':
        return 4;
    case 'M': case 'N': case 0xD1:
        return 5;
    case 'R':
        return 6;
    case '\'': case '-': case '`':
        return 7;
    case '0':
        return 'O';
    case '1': case '7':
        return 'I';
    default:
        return c;
    }
}

// Length of the common blocks of a[aFrom, aTo) and b[bFrom, bTo), longest block first.
int CommonLength(const std::string& a, size_t aFrom, size_t aTo, const std::string& b, size_t bFrom, size_t bTo)
{
    size_t bestLength = 0;
    size_t bestA = 0;
    size_t bestB = 0;
    for (size_t i = aFrom; i < aTo; ++i) {
        for (size_t j = bFrom; j < bTo; ++j) {
            size_t length = 0;
            while (i + length < aTo && j + length < bTo && a[i + length] == b[j + length])
                ++length;
            if (length > bestLength) {
                bestLength = length;
                bestA = i;
                bestB = j;
            }
        }
    }
    if (bestLength == 0)
        return 0;
    return static_cast<int>(bestLength) + CommonLength(a, aFrom, bestA, b, bFrom, bestB)
        + CommonLength(a, bestA + bestLength, aTo, b, bestB + bestLength, bTo);
}

} // namespace

std::string TSpellingAlphabet::ToBytes(const QString& text)
{
    QString plain = text;
    plain.replace(QChar(0x2019), QLatin1Char('\''));
    return TCp1252::Encode(plain);
}

QString TSpellingAlphabet::FromBytes(const std::string& bytes) { return TCp1252::Decode(bytes); }

unsigned char TSpellingAlphabet::Upper(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 32);
    switch (c) {
    case 0xFF: return 0x9F;
    case 0x9A: return 0x8A;
    case 0x9C: return 0x8C;
    default: return c;
    }
}

unsigned char TSpellingAlphabet::Lower(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x9F: return 0xFF;
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    default: return c;
    }
}

std::string TSpellingAlphabet::Upper(const std::string& text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
    return upper;
}

int TSpellingAlphabet::Code(unsigned char c) { return Codes[c]; }

unsigned char TSpellingAlphabet::Letter(int code) { return Alphabet[static_cast<size_t>(code & 63)]; }

std::string TSpellingAlphabet::RawKey(const std::string& upperText)
{
    std::string key;
    for (size_t i = 0; i < upperText.size(); ++i) {
        const auto c = static_cast<unsigned char>(upperText[i]);
        if (i == 0) {
            key += static_cast<char>(c);
            continue;
        }
        if (IsDroppedFromKey(c))
            continue;
        const char mapped = static_cast<char>(KeyCharacter(c));
        if (key.find(mapped) == std::string::npos)
            key += mapped;
    }
    return key;
}

std::string TSpellingAlphabet::Key(const std::string& upperText)
{
    std::string key = RawKey(upperText).substr(0, KeyLength);
    key.resize(KeyLength, '\0');
    return key;
}

int TSpellingAlphabet::Similarity(const std::string& first, const std::string& second)
{
    const size_t total = first.size() + second.size();
    if (total == 0)
        return 0;
    const int common = CommonLength(first, 0, first.size(), second, 0, second.size());
    return static_cast<int>(2 * static_cast<size_t>(common) * 100 / total);
}
