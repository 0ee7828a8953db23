#include "RichTextTestSupport.h"

#include "data/TCp1252.h"

#include <gtest/gtest.h>

namespace {

QByteArray Write(const TRichDocument& document) { return TRtfWriter::Write(document); }

// Every snippet and fixture: a second write of what the first wrote gives the same bytes.
TEST(TRtfWriterTest, RoundTripIsByteIdentical)
{
    const QList<QByteArray> sources = {
        RichFixture("letter-two-pages.rtf"),
        R"({\rtf1 one\par two\par})",
        R"({\rtf1 \qc\fi-360\li720\ri360\sb120\sa240\sl-300\tqr\tx5000\tx1440 first\par\pard\sl360\slmult1 x\page y})",
        R"({\rtf1{\fonttbl{\f0 Symbol;}{\f1\fcharset2 Wingdings;}}\f1 a\f0 b\f9 c})",
        R"({\rtf1{\colortbl;\red1\green2\blue3;}\cf1\cb1 both \cf0 none\par\par\b\fs40\par empty paragraphs above})",
        R"({\rtf1 \u8364?\u-10179?\u-8704? \'80\'81\'ff\~\-\_\{\}\\ end})",
        R"({\rtf1 \b bold\b0\b  bold again}\i x)",
        R"({\rtf1 open {\b bold)",
        R"({\rtf1 \paperw5000\paperh6000\margl100\margr100\margt100\margb100 small})",
        R"({\rtf1 \li2000\tx1000\tx3000 tab left of the indent})",
        R"({\rtf1 {\b \'0b}\fs20 x\'0b{\i\u-4?}y})", // runs of nothing but characters left out
    };
    for (const QByteArray& source : sources) {
        ASSERT_FALSE(source.isEmpty());
        const QByteArray first = Write(*ReadRtf(source));
        const QByteArray second = Write(*ReadRtf(first));
        EXPECT_EQ(second, first) << source.constData();
        EXPECT_EQ(Write(*ReadRtf(source)), first) << "writing is deterministic";
    }
}

TEST(TRtfWriterTest, WritesSevenBitTextWithCrLfLines)
{
    const QByteArray written = Write(*ReadRtf(RichFixture("letter-two-pages.rtf")));
    for (qsizetype i = 0; i < written.size(); ++i) {
        const auto byte = static_cast<unsigned char>(written[i]);
        ASSERT_LT(byte, 0x80) << "at " << i;
        if (byte == '\n') {
            ASSERT_TRUE(i > 0 && written[i - 1] == '\r') << "lone LF at " << i;
        }
        if (byte == '\r') {
            ASSERT_TRUE(i + 1 < written.size() && written[i + 1] == '\n') << "lone CR at " << i;
        }
    }
    EXPECT_TRUE(written.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    EXPECT_TRUE(written.contains("\\paperw12240\\paperh15840\\margl1800\\margr1440\\margt1440\\margb1440"));
    // Only the fonts and colours the text uses.
    EXPECT_TRUE(written.contains("{\\f2\\fmodern\\fcharset0 Courier New;}"));
    EXPECT_FALSE(written.contains("\\f3"));
    EXPECT_TRUE(written.endsWith("}"));
}

TEST(TRtfWriterTest, WindowsTextAndUnicodeLoseNothing)
{
    std::string bytes;
    for (int byte = 0x20; byte < 0x100; ++byte)
        if (byte != 0x7F)
            bytes += static_cast<char>(byte);
    const QString text = TCp1252::Decode(bytes) + QStringLiteral(" Ωж€ \U0001F600 {\\}");
    TRichDocument document;
    QTextCursor(&document.Document()).insertText(text);
    const QByteArray written = Write(document);
    EXPECT_TRUE(written.contains("\\'e9"));
    EXPECT_TRUE(written.contains("\\u937?"));
    EXPECT_EQ(ReadRtf(written)->Document().toRawText(), text); // raw: plain text turns no-break spaces into blanks
}

TEST(TRtfWriterTest, EveryAttributeReadsBackEqual)
{
    TRichDocument document;
    TRichPageLayout page;
    page.PaperWidth = TTwips(16838);
    page.PaperHeight = TTwips(11906);
    page.MarginLeft = TTwips(567);
    document.SetPageLayout(page);

    TParagraphSettings paragraph;
    paragraph.Align = TParagraphSettings::paJustify;
    paragraph.FirstIndent = -283;
    paragraph.LeftIndent = 567;
    paragraph.RightIndent = 100;
    paragraph.SpaceBefore = 57;
    paragraph.SpaceAfter = 113;
    paragraph.LineSpacing = 276;
    paragraph.LineMultiple = true;
    paragraph.Tabs = {{1000, TTabStop::tkLeft}, {2500, TTabStop::tkCenter}, {4000, TTabStop::tkRight}, {6000, TTabStop::tkDecimal}};
    paragraph.PageBreakBefore = true;
    TParagraphSettings second;
    second.Align = TParagraphSettings::paRight;
    second.LineSpacing = -400;

    TCharacterSettings fancy;
    fancy.FontName = "Times New Roman";
    fancy.FamilyWord = "roman";
    fancy.HalfPoints = 29;
    fancy.Bold = fancy.Italic = fancy.Underline = true;
    fancy.Color = QColor(10, 20, 30);
    fancy.Background = QColor(250, 240, 230);
    TCharacterSettings simple;
    simple.FontName = "Arial";
    simple.HalfPoints = 20;

    QTextCursor cursor(&document.Document());
    QTextBlockFormat format;
    paragraph.ApplyTo(format);
    cursor.setBlockFormat(format);
    cursor.insertText("fancy", fancy.ToFormat());
    cursor.insertText(" simple", simple.ToFormat());
    QTextBlockFormat secondFormat;
    second.ApplyTo(secondFormat);
    cursor.insertBlock(secondFormat, fancy.ToFormat()); // an empty paragraph keeps its format

    const auto back = ReadRtf(Write(document));
    EXPECT_EQ(back->PageLayout(), document.PageLayout());
    EXPECT_EQ(ParagraphAt(*back, "fancy"), paragraph);
    EXPECT_EQ(CharacterAt(*back, "fancy"), fancy);
    EXPECT_EQ(CharacterAt(*back, "simple"), simple);
    const QTextBlock last = back->Document().lastBlock();
    EXPECT_EQ(TParagraphSettings::From(last.blockFormat()), second);
    EXPECT_EQ(TCharacterSettings::From(last.charFormat()), fancy);
}

} // namespace
