// The spelling component on a small main dictionary: the check's rules, user dictionaries
// (opening, adding, another program adding, refusing what is not one) and the suggestions.
#include "SpellingTestSupport.h"

#include "spelling/TViredSpell.h"

#include <QFileInfo>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class ViredSpell : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString MainPath;
    TViredSpell Spell;

    void SetUp() override
    {
        MainPath = WriteMainDictionary(Folder, {"house", "houses", "hose", "horse", "mouse", "book", "case", "don't",
                                                "time", "is", "it", "dog", "cat"});
        ASSERT_TRUE(Spell.OpenMain(MainPath));
    }
};

TEST_F(ViredSpell, CheckRules)
{
    const struct {
        const char* Word;
        bool Known;
    } cases[] = {
        {"house", true}, {"HoUsE", true}, {"hous", false}, {"q", true}, {"", true},
        {"dog's", true}, {"Dog\u2019s", true}, {"dog'sx", false}, {"'s", false}, {"dogs", false},
        {"don't", true}, {"dont", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Spell.Check(QString::fromUtf8(c.Word)), c.Known) << c.Word;
}

TEST_F(ViredSpell, UserDictionaryAddsAtOnceAndOnDisk)
{
    const QString userPath = Folder.filePath("user.dct");
    const int handle = Spell.CreateUser(userPath, {"zebra"});
    ASSERT_EQ(handle, 0);
    EXPECT_TRUE(Spell.Check("Zebra"));
    EXPECT_FALSE(Spell.Check("quorvane"));
    EXPECT_TRUE(Spell.Add("Quorvane", handle));
    EXPECT_TRUE(Spell.Check("quorvane"));
    EXPECT_FALSE(Spell.Add("x", 1));
    EXPECT_FALSE(Spell.Add("x", -1));

    // Another program (a second component) sees the file and adds to it; the first sees that.
    TViredSpell other;
    ASSERT_EQ(other.OpenUser(userPath), 0);
    EXPECT_TRUE(other.Check("quorvane"));
    EXPECT_TRUE(other.Add("mailing", 0));
    QThread::msleep(60); // the files are looked at again after a short while
    EXPECT_TRUE(Spell.Check("mailing"));

    // The file grows past its first 500 places instead of filling up.
    for (int i = 0; i < 120; ++i)
        ASSERT_TRUE(Spell.Add(QStringLiteral("word%1x").arg(QChar('a' + i % 26)) + QString(QChar('a' + i / 26)), handle));
    TViredSpell reopened;
    ASSERT_EQ(reopened.OpenUser(userPath), 0);
    EXPECT_TRUE(reopened.Check("wordzxd"));
    EXPECT_TRUE(reopened.Check("mailing"));
}

TEST_F(ViredSpell, WhatIsNotAUserDictionaryIsRefusedAndLeftAlone)
{
    const std::string mainBytes = ReadAll(MainPath);
    EXPECT_EQ(Spell.OpenUser(MainPath), TViredSpell::NotUserDictionary);
    EXPECT_FALSE(Spell.Add("zebra", 0));
    EXPECT_EQ(ReadAll(MainPath), mainBytes);

    WriteAll(Folder.filePath("junk.dct"), "not a dictionary at all");
    EXPECT_EQ(Spell.OpenUser(Folder.filePath("junk.dct")), TViredSpell::NotUserDictionary);
    EXPECT_EQ(Spell.OpenUser(Folder.filePath("missing.dct")), TViredSpell::CannotOpen);
    EXPECT_EQ(Spell.CreateUser(Folder.filePath("no/such/folder/user.dct")), TViredSpell::CannotOpen);

    TViredSpell noMain;
    EXPECT_FALSE(noMain.OpenMain(Folder.filePath("junk.dct")));
    const int user = noMain.CreateUser(Folder.filePath("user.dct"));
    EXPECT_FALSE(noMain.OpenMain(Folder.filePath("user.dct")));
    EXPECT_TRUE(noMain.Add("house", user));
    EXPECT_TRUE(noMain.Check("house")); // the user dictionary alone still answers
}

TEST_F(ViredSpell, Suggestions)
{
    const struct {
        const char* Word;
        QStringList Expected;
    } cases[] = {
        {"Hous", {"House", "Houses", "Hose"}},         // the key H2 keeps HORSE's branch closed
        {"HOUS", {"HOUSE", "HOUSES", "HOSE"}},
        {"house", {"house", "houses", "hose"}},        // a known word first, at 100
        {"bookcase", {"book case", "book"}},           // two words written together
        {"donn't", {"don't", "dog"}},                  // apostrophes stay, scores ignore them
        {"mouze", {"mouse"}},                          // M tries N, M and Ñ only
    };
    for (const auto& c : cases)
        EXPECT_EQ(Spell.Suggestions(QString::fromUtf8(c.Word)), c.Expected) << c.Word;
}

TEST_F(ViredSpell, SuggestionListLimits)
{
    QStringList words;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            words << QStringLiteral("ca%1%2").arg(QChar(a)).arg(QChar(b));
    WriteMainDictionary(Folder, words + QStringList{"a", "i"});
    TViredSpell spell;
    ASSERT_TRUE(spell.OpenMain(MainPath));
    EXPECT_EQ(spell.Suggestions("cazzq").size(), 10);
    spell.MaxSuggestions = 1000;
    const QStringList most = spell.Suggestions("cazzq");
    EXPECT_EQ(most.size(), TViredSpell::SuggestionLimit);
    EXPECT_EQ(QSet<QString>(most.begin(), most.end()).size(), most.size()) << "each suggestion once";
    spell.MaxSuggestions = 0;
    EXPECT_TRUE(spell.Suggestions("cazzq").isEmpty());
}

TEST_F(ViredSpell, ExtraSuggestionsOnlyAddKnownNewWords)
{
    Spell.SetExtraSuggestions([](const QString&) { return QStringList{"House", "horse", "hoarse", "mouse", "cat", "dog", "time", "is"}; }, 3);
    EXPECT_EQ(Spell.Suggestions("Hous"), (QStringList{"House", "Houses", "Hose", "horse", "mouse", "cat"}));
}

} // namespace
