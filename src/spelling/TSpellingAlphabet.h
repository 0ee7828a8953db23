// The letters the dictionaries know and the measures the suggestions rank by. Words are handled
// as Windows-1252 bytes in upper case: every character has a 6-bit letter code (its place in the
// 64-letter alphabet; anything outside it shares the code of A), a four-character phonetic key
// groups words that sound alike, and the similarity of two texts is the share of their letters
// in common blocks (longest common block first, then the parts left and right of it).
#pragma once

#include <QString>

#include <string>

class TSpellingAlphabet {
public:
    static constexpr int LetterCount = 64;
    static constexpr int KeyLength = 4;

    // The word in Windows-1252, the typographic apostrophe as a plain one (not upper-cased).
    static std::string ToBytes(const QString& text);
    static QString FromBytes(const std::string& bytes);
    static unsigned char Upper(unsigned char c);
    static std::string Upper(const std::string& text);
    static unsigned char Lower(unsigned char c);
    // The letter code of an upper-case character (0 for characters outside the alphabet).
    static int Code(unsigned char c);
    static unsigned char Letter(int code);

    // The phonetic key before cutting and padding (at most as long as the text).
    static std::string RawKey(const std::string& upperText);
    // The key cut to four characters and padded with character 0.
    static std::string Key(const std::string& upperText);
    // Percentage of letters in common, 2 x common x 100 / (both lengths), integer division.
    static int Similarity(const std::string& first, const std::string& second);
};
