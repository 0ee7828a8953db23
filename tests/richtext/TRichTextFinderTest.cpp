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
