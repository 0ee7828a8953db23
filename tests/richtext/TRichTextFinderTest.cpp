#include "RichTextTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(TRichTextFinderTest, FindsInAnyCaseAcrossRunsAndContinues)
{
    auto document = ReadRtf(R"({\rtf1 Dear [Fi{\b RS}t] and [first]\par [FIRST]})");
    TRichTextFinder finder(*document);
    finder.GoToStart();
    QList<int> found;
    while (finder.FindNext("[First]"))
        found << finder.Found().selectionStart();
    EXPECT_EQ(found, (QList<int>{5, 17, 25}));
    EXPECT_FALSE(TCharacterSettings::From(finder.FoundAttributes(2)).Bold);
    finder.GoToStart();
    ASSERT_TRUE(finder.FindNext("[first]"));
    EXPECT_TRUE(TCharacterSettings::From(finder.FoundAttributes(3)).Bold); // the "R"
}

TEST(TRichTextFinderTest, ReplacementsStartParagraphsAndAreNotSearchedAgain)
{
    auto document = ReadRtf(R"({\rtf1 \qc\li720\pagebb Top {\b [X]} tail\par \pard next [x]})");
    TRichTextFinder finder(*document);
    finder.GoToStart();
    int replaced = 0;
    while (finder.FindNext("[x]")) {
        finder.ReplaceFound("a\r\n[x]\r\nb");
        ++replaced;
    }
    EXPECT_EQ(replaced, 2);
    EXPECT_EQ(PlainText(*document), "Top a\n[x]\nb tail\nnext a\n[x]\nb");
    const TParagraphSettings top = ParagraphAt(*document, "Top");
    const TParagraphSettings added = ParagraphAt(*document, "b tail");
    EXPECT_TRUE(top.PageBreakBefore);
    EXPECT_FALSE(added.PageBreakBefore); // the mark stays with the first paragraph
    EXPECT_EQ(added.Align, TParagraphSettings::paCenter);
    EXPECT_EQ(added.LeftIndent, 720);
    EXPECT_TRUE(CharacterAt(*document, "a\n").Bold);  // the token's attributes
    EXPECT_TRUE(CharacterAt(*document, "b tail").Bold);
    EXPECT_FALSE(CharacterAt(*document, " tail").Bold);
}

TEST(TRichTextFinderTest, EmptyReplacementRemovesTheText)
{
    auto document = ReadRtf(R"({\rtf1 a[gone]b})");
    TRichTextFinder finder(*document);
    ASSERT_TRUE(finder.FindNext("[GONE]"));
    finder.ReplaceFound(QString());
    EXPECT_EQ(PlainText(*document), "ab");
    EXPECT_FALSE(finder.FindNext("[gone]"));
}

} // namespace

#include "richtext/TRichWordIterator.h"

namespace {

TEST(TRichWordIteratorTest, WalksTheWordsAndReplacesTheSelection)
{
    auto document = ReadRtf(R"({\rtf1 Helo, {\b wrld}'s 42\par\par next-door})");
    TRichWordIterator words(*document);
    words.GoToStart();
    QStringList seen;
    while (words.NextWord()) {
        seen << words.Word();
        EXPECT_EQ(document->Caret().selectedText(), words.Word());
        if (words.Word() == "wrld's")
            words.ReplaceSelection("world's");
    }
    EXPECT_EQ(seen, (QStringList{"Helo", "wrld's", "42", "next", "door"}));
    EXPECT_EQ(PlainText(*document), "Helo, world's 42\n\nnext-door");
    EXPECT_TRUE(CharacterAt(*document, "world").Bold);
}

TEST(TRichDocumentTest, InsertsAnotherDocumentAtTheCaret)
{
    auto document = ReadRtf(R"({\rtf1 ab})");
    auto inserted = ReadRtf(R"({\rtf1 {\b mid}})");
    QTextCursor at(&document->Document());
    at.setPosition(1);
    document->InsertAt(at, *inserted);
    EXPECT_EQ(PlainText(*document), "amidb");
    EXPECT_TRUE(CharacterAt(*document, "mid").Bold);
}

} // namespace
