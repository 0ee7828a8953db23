// The phonetic key and the similarity percentage the suggestions are ranked by.
#include "spelling/TSpellingAlphabet.h"

#include <gtest/gtest.h>

namespace {

std::string Key(const char* word) { return TSpellingAlphabet::Key(word); }

TEST(SpellingAlphabet, PhoneticKeys)
{
    const struct {
        const char* Word;
        std::string Key;
    } cases[] = {
        {"ROBERT", "R\1\6\3"},
        {"RUPERT", "R\1\6\3"},
        {"ASHCRAFT", "A\2\6\1"},            // H dropped, the second 2 (C) repeats S
        {"BANDANA", std::string("B\5\3\0", 4)}, // the later N repeats an earlier one though not adjacent
        {"LEE", std::string("L\0\0\0", 4)},
        {"A0", std::string("AO\0\0", 4)}, // digits 0 and 1 read as O and I
        {"B1", std::string("BI\0\0", 4)},
        {"D'AR", std::string("D\7\6\0", 4)},
        {"\xC9L\xC8VE", std::string("\xC9\4\1\0", 4)}, // accented vowels drop out after the first
    };
    for (const auto& c : cases)
        EXPECT_EQ(Key(c.Word), c.Key) << c.Word;
}

TEST(SpellingAlphabet, Similarity)
{
    const struct {
        const char* First;
        const char* Second;
        int Score;
    } cases[] = {
        {"HOUSE", "HOUSE", 100},
        {"WIKIMEDIA", "WIKIMANIA", 77}, // WIKIM, then IA on the right: 2 x 7 x 100 / 18
        {"HOUSE", "HOUS", 88},
        {"ABC", "XYZ", 0},
        {"", "", 0},
        {"BOOK CASE", "BOOKCASE", 94}, // the blank of a split suggestion counts as a letter
    };
    for (const auto& c : cases)
        EXPECT_EQ(TSpellingAlphabet::Similarity(c.First, c.Second), c.Score) << c.First << " / " << c.Second;
}

TEST(SpellingAlphabet, UpperCaseAndCodesOfTheWindowsLetters)
{
    EXPECT_EQ(TSpellingAlphabet::Upper(std::string("caf\xE9 \xFF\x9A\x9C\xF7\xDF")), "CAF\xC9 \x9F\x8A\x8C\xF7\xDF");
    EXPECT_EQ(TSpellingAlphabet::Code('A'), 0);
    EXPECT_EQ(TSpellingAlphabet::Code('-'), 27);
    EXPECT_EQ(TSpellingAlphabet::Code(0x8A), 28);
    EXPECT_EQ(TSpellingAlphabet::Code(0xC0), 31);
    EXPECT_EQ(TSpellingAlphabet::Code(0xD8), 54);
    EXPECT_EQ(TSpellingAlphabet::Code('`'), 63);
    EXPECT_EQ(TSpellingAlphabet::Code('7'), 0); // outside the alphabet: the code of A
    for (int code = 0; code < TSpellingAlphabet::LetterCount; ++code)
        EXPECT_EQ(TSpellingAlphabet::Code(TSpellingAlphabet::Letter(code)), code);
    EXPECT_EQ(TSpellingAlphabet::ToBytes(QString::fromUtf8("don\u2019t")), "don't");
}

} // namespace
