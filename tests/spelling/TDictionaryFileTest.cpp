// The dictionary files: a new user dictionary byte for byte, adds that insert anywhere in a
// group at any depth, growth past the first 500 nodes, and damaged bytes.
#include "SpellingTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string U32(uint32_t value) { return std::string{char(value & 0xFF), char(value >> 8 & 0xFF), char(value >> 16 & 0xFF), char(value >> 24)}; }

TEST(DictionaryFile, NewUserDictionaryBytes)
{
    const std::string preamble =
        "USER DICTIONARY\r\nWords added to the spelling check; a letter tree of 3-byte nodes, do not edit.\r\n\x1A";
    std::string expected = preamble + U32(1) + U32(500) + U32(1) + '\0' + U32(static_cast<uint32_t>(preamble.size()));
    expected += std::string("\x00\x00\xC0", 3);
    for (int n = 2; n <= 500; ++n)
        expected += std::string("\xE8\xFD\x00", 3);
    EXPECT_EQ(TDictionaryFile::NewUser().Serialize(), expected);
}

TEST(DictionaryFile, AddsInsertAnywhereAndReadBack)
{
    TDictionaryFile file = TDictionaryFile::NewUser();
    TDictionarySection& section = file.Sections.front();
    // Orders chosen so new letters land before, between and after the members of groups at the
    // top and deeper down, and words end inside other words.
    const std::vector<std::string> words = {"MOUSE", "HOUSE", "ZOO", "HORSE", "HOUSES", "HOT", "BOX", "HOTEL",
                                            "HOUR", "HO", "MOOSE", "AB", "HIT", "HZ", "HOUSEA", "HOUSED",
                                            "DON'T", "E-MAIL", "CAF\xC9"};
    std::set<std::string> expected = {"A"};
    for (const std::string& word : words) {
        ASSERT_TRUE(section.Add(word)) << word;
        expected.insert(word);
        ASSERT_EQ(WordsOf(section), expected) << "after " << word;
    }
    for (const std::string& word : words)
        EXPECT_TRUE(section.Contains(word)) << word;
    EXPECT_FALSE(section.Contains("HOUS"));
    EXPECT_FALSE(section.Contains("HOUSESS"));

    const TDictionaryFile reread = TDictionaryFile::Parse(file.Serialize());
    EXPECT_EQ(WordsOf(reread.Sections.front()), expected);
    EXPECT_EQ(reread.Sections.front().InUse, section.InUse);
    EXPECT_EQ(reread.Serialize(), file.Serialize());
}

TEST(DictionaryFile, GrowsPastItsCapacityAndStopsAtTheNodeLimit)
{
    TDictionaryFile file = TDictionaryFile::NewUser();
    TDictionarySection& section = file.Sections.front();
    std::set<std::string> expected = {"A"};
    for (int i = 0; i < 150; ++i) {
        const std::string word = {char('B' + i % 20), char('A' + i / 20 % 26), 'X', 'Y', 'Z', char('C' + i % 7)};
        ASSERT_TRUE(section.Add(word));
        expected.insert(word);
    }
    EXPECT_GT(section.InUse, 500u);
    EXPECT_GE(section.Capacity(), section.InUse);
    const TDictionaryFile reread = TDictionaryFile::Parse(file.Serialize());
    EXPECT_EQ(WordsOf(reread.Sections.front()), expected);
    // Unused places stay marked as such.
    EXPECT_EQ(reread.Sections.front().Nodes.back().Child, TDictionarySection::UnusedChild);

    section.InUse = TDictionarySection::MaxNodes - 2;
    section.Nodes.resize(TDictionarySection::MaxNodes - 2);
    const std::string before = file.Serialize();
    EXPECT_FALSE(section.Add("QQQQ"));
    EXPECT_EQ(file.Serialize(), before);
}

TEST(DictionaryFile, DamagedBytesAreRefusedOrHarmless)
{
    const std::string good = TDictionaryFile::NewUser().Serialize();
    const size_t header = good.find('\x1A') + 1;
    const auto patched = [&](size_t at, const std::string& bytes) {
        std::string copy = good;
        copy.replace(at, bytes.size(), bytes);
        return copy;
    };
    const struct {
        const char* What;
        std::string Bytes;
    } refused[] = {
        {"no preamble end", "USER DICTIONARY\r\n"},
        {"header cut short", good.substr(0, header + 10)},
        {"capacity past the end", patched(header + 4, U32(501))},
        {"capacity overflowing", patched(header + 4, U32(0xFFFFFFFF))},
        {"more in use than held", patched(header, U32(501))},
        {"nodes cut short", good.substr(0, good.size() - 1)},
    };
    for (const auto& c : refused)
        EXPECT_THROW(TDictionaryFile::Parse(c.Bytes), EDictionaryError) << c.What;

    // A main dictionary whose nodes point back at their own group and past the nodes in use:
    // lookups end, and the group never runs past the nodes in use.
    TDictionaryFile main = TMainDictionaryBuilder::Build({"AB", "AC"});
    TDictionarySection& section = main.Sections.front();
    section.Nodes[0].Child = 1;                       // A's children are the top group again
    section.Nodes[1].Child = 40000;                   // past the nodes in use
    section.Nodes[2].Letter &= ~TDictionaryNode::LastSibling; // the group runs off the end
    const TDictionaryFile reread = TDictionaryFile::Parse(main.Serialize());
    EXPECT_FALSE(reread.Contains("AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAX"));
    EXPECT_FALSE(reread.Contains("ABC"));
}

TEST(DictionaryFile, MainDictionaryIsARunOfSections)
{
    // Enough distinct words to need more than one tree of 64,999 nodes.
    QStringList words;
    for (int i = 0; i < 26 * 26 * 26; ++i)
        words << QString::fromLatin1(std::string{char('A' + i / 676), char('A' + i / 26 % 26), char('A' + i % 26), 'Q', 'R', 'S', 'T'}.c_str());
    words << "dog's" << "x7";
    const TDictionaryFile file = TMainDictionaryBuilder::Build(words);
    ASSERT_GT(file.Sections.size(), 1u);
    for (const TDictionarySection& section : file.Sections)
        EXPECT_LE(section.InUse, TDictionarySection::MaxNodes);
    const TDictionaryFile reread = TDictionaryFile::Parse(file.Serialize());
    EXPECT_EQ(reread.Sections.size(), file.Sections.size());
    EXPECT_TRUE(reread.Contains("AAAQRST"));
    EXPECT_TRUE(reread.Contains("ZZZQRST"));
    EXPECT_TRUE(reread.Contains("MNOQRST"));
    EXPECT_FALSE(reread.Contains("DOG'S")); // possessives are left to the check
    EXPECT_FALSE(reread.Contains("X7"));    // characters outside the alphabet
}

} // namespace
