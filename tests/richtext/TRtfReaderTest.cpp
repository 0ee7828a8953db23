#include "RichTextTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TTextCase {
    const char* Name;
    QByteArray Rtf;
    QString Plain;
};

class TRtfReaderTextTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(TRtfReaderTextTest, GivesThePlainText)
{
    const auto document = ReadRtf(GetParam().Rtf);
    EXPECT_EQ(PlainText(*document), GetParam().Plain);
}

const QString Tab = QStringLiteral("\t");
const QString LineBreak = QString(QChar::LineSeparator);

INSTANTIATE_TEST_SUITE_P(
    Snippets, TRtfReaderTextTest,
    ::testing::Values(
        TTextCase{"paragraphs", R"({\rtf1 one\par two\par three})", "one\ntwo\nthree"},
        TTextCase{"trailingPar", R"({\rtf1 one\par})", "one\n"},
        TTextCase{"lineAndTab", R"({\rtf1 a\tab b\line c})", "a" + Tab + "b" + LineBreak + "c"},
        TTextCase{"escapes", R"({\rtf1 \{x\} \\ a\~b})", QStringLiteral("{x} \\ a\u00A0b")},
        TTextCase{"hexInCodePage", R"({\rtf1\ansi\ansicpg1252 caf\'e9 \'80 \'93q\'94})", QStringLiteral("café € “q”")},
        TTextCase{"rawHighBytes", QByteArray("{\\rtf1\\ansi caf\xe9}"), QStringLiteral("café")},
        TTextCase{"otherCodePage", R"({\rtf1\ansi\ansicpg1251 \'e0\'e1})", QStringLiteral("аб")},
        TTextCase{"unicodeSkipsFallback", R"({\rtf1 \u8364?\uc2\u937 xy z})", QStringLiteral("€Ω z")},
        TTextCase{"negativeUnicode", R"({\rtf1 \u-4064?})", QString(QChar(0xF020))},
        TTextCase{"surrogatePair", R"({\rtf1 \u-10179?\u-8704?})", QStringLiteral("\U0001F600")},
        TTextCase{"quoteWords", R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote \emdash\endash\bullet})",
                  QStringLiteral("‘a’ “b”—–•")},
        TTextCase{"tableCellsApart", R"({\rtf1 \trowd\cellx2000\cellx4000 Smith\cell Salem\cell\row Lee\cell Oslo\cell\row after})",
                  "Smith" + Tab + "Salem" + Tab + "\nLee" + Tab + "Oslo" + Tab + "\nafter"},
        TTextCase{"unknownWordsSkipped", R"({\rtf1 \foo123 a\bar-5 b\zzz c})", "abc"},
        TTextCase{"starredDestinationSkipped", R"({\rtf1 a{\*\unknown hidden{\inner more}}b})", "ab"},
        TTextCase{"skippedDestinations",
                  R"({\rtf1{\info{\title T}}{\stylesheet{\s0 Normal;}}{\header H}{\footer F}a{\pict\picw1 0a0b}b})", "ab"},
        TTextCase{"fieldResultKept", R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt shown}}})", "shown"},
        TTextCase{"binSkipsBraces", QByteArray("{\\rtf1 a{\\pict\\bin3 }}\\}b}"), "ab"},
        TTextCase{"pageEndsParagraph", R"({\rtf1 one\page two})", "one\ntwo"},
        TTextCase{"crLfIgnored", "{\\rtf1 a\r\nb\r\n}", "ab"},
        TTextCase{"backslashNewlineIsPar", "{\\rtf1 a\\\nb}", "a\nb"}),
    [](const ::testing::TestParamInfo<TTextCase>& test) { return std::string(test.param.Name); });

TEST(TRtfReaderTest, ReadsCharacterFormatting)
{
    const auto document = ReadRtf(R"({\rtf1\ansi\deff1{\fonttbl{\f0\froman\fcharset0 Times New Roman;}{\f1\fswiss\fcharset0 Arial;}})"
                                  R"({\colortbl;\red255\green0\blue0;\red0\green128\blue0;})"
                                  R"(plain \f0\fs28\b\i\ul\cf1\highlight2 all\plain  reset {\b grouped} after \cb1 back})");
    const TCharacterSettings plain = CharacterAt(*document, "plain");
    EXPECT_EQ(plain.FontName, "Arial"); // \deff
    EXPECT_EQ(plain.FamilyWord, "swiss");
    EXPECT_EQ(plain.HalfPoints, 24);
    EXPECT_FALSE(plain.Bold);
    EXPECT_FALSE(plain.Color);

    const TCharacterSettings all = CharacterAt(*document, "all");
    EXPECT_EQ(all.FontName, "Times New Roman");
    EXPECT_EQ(all.HalfPoints, 28);
    EXPECT_TRUE(all.Bold && all.Italic && all.Underline);
    EXPECT_EQ(all.Color, QColor(255, 0, 0));
    EXPECT_EQ(all.Background, QColor(0, 128, 0));

    EXPECT_EQ(CharacterAt(*document, "reset"), plain);
    EXPECT_TRUE(CharacterAt(*document, "grouped").Bold);
    EXPECT_FALSE(CharacterAt(*document, "after").Bold); // the group's state ended with it
    EXPECT_EQ(CharacterAt(*document, "back").Background, QColor(255, 0, 0));
}

TEST(TRtfReaderTest, ReadsParagraphFormatting)
{
    const auto document = ReadRtf(R"({\rtf1 \qc\fi-360\li720\ri360\sb120\sa240\sl-300\tqr\tx5000\tx1440 first\par )"
                                  R"(carried\par\pard\qj\sl360\slmult1\pagebb reset\par\pard\tqdec\tx3000\tqc\tx2000 tabs})");
    const TParagraphSettings first = ParagraphAt(*document, "first");
    EXPECT_EQ(first.Align, TParagraphSettings::paCenter);
    EXPECT_EQ(first.FirstIndent, -360);
    EXPECT_EQ(first.LeftIndent, 720);
    EXPECT_EQ(first.RightIndent, 360);
    EXPECT_EQ(first.SpaceBefore, 120);
    EXPECT_EQ(first.SpaceAfter, 240);
    EXPECT_EQ(first.LineSpacing, -300);
    EXPECT_FALSE(first.LineMultiple);
    EXPECT_EQ(first.Tabs, (QList<TTabStop>{{1440, TTabStop::tkLeft}, {5000, TTabStop::tkRight}}));
    EXPECT_EQ(ParagraphAt(*document, "carried"), first); // paragraph settings last until \pard

    const TParagraphSettings reset = ParagraphAt(*document, "reset");
    EXPECT_EQ(reset.Align, TParagraphSettings::paJustify);
    EXPECT_EQ(reset.LeftIndent, 0);
    EXPECT_EQ(reset.LineSpacing, 360);
    EXPECT_TRUE(reset.LineMultiple);
    EXPECT_TRUE(reset.PageBreakBefore);
    EXPECT_EQ(ParagraphAt(*document, "tabs").Tabs,
              (QList<TTabStop>{{2000, TTabStop::tkCenter}, {3000, TTabStop::tkDecimal}}));
}

TEST(TRtfReaderTest, PageMarksTheNextParagraph)
{
    const auto document = ReadRtf(R"({\rtf1 one\page two\par three})");
    EXPECT_FALSE(ParagraphAt(*document, "one").PageBreakBefore);
    EXPECT_TRUE(ParagraphAt(*document, "two").PageBreakBefore);
    EXPECT_FALSE(ParagraphAt(*document, "three").PageBreakBefore);
}

TEST(TRtfReaderTest, PageLayoutAndItsCorrections)
{
    struct TCase {
        QByteArray Words;
        TRichPageLayout Expected;
    };
    const TRichPageLayout defaults;
    const TCase cases[] = {
        {"", defaults},
        {R"(\paperw11906\paperh16838\margl1134\margr1134\margt1417\margb1417)",
         {TTwips(11906), TTwips(16838), TTwips(1134), TTwips(1134), TTwips(1417), TTwips(1417)}},
        {R"(\paperw1000\paperh15840)", defaults},                                         // under an inch
        {R"(\paperw99999999999999\paperh-99999999999)", defaults},                         // nonsense numbers
        {R"(\paperw12240\paperh15840\margl7000\margr7000)", defaults},                     // no text width
        {R"(\paperw5760\paperh8640\margl-5\margr720)",
         {TTwips(5760), TTwips(8640), TTwips(1440), TTwips(1440), TTwips(1440), TTwips(1440)}}, // margins only
    };
    for (const TCase& c : cases) {
        const auto document = ReadRtf("{\\rtf1" + c.Words + " text}");
        EXPECT_EQ(document->PageLayout(), c.Expected) << c.Words.constData();
    }
}

TEST(TRtfReaderTest, RefusesWhatIsNotRtf)
{
    TRichDocument document;
    for (const QByteArray& bytes : {QByteArray(), QByteArray("plain text"), QByteArray(" {\\rtf1 x}"), QByteArray("{\\rt")})
        EXPECT_THROW(TRtfReader::Read(bytes, document), ERtfError) << bytes.constData();
}

// Hostile bytes: each either reads (what can be read) or is refused with ERtfError; none crashes
// or hangs.
TEST(TRtfReaderTest, SurvivesHostileInput)
{
    const QByteArray deep = "{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "}";
    TRichDocument document;
    EXPECT_THROW(TRtfReader::Read(deep, document), ERtfError);
    EXPECT_EQ(PlainText(document), QString()); // a refused text leaves nothing behind

    const QByteArray allowed = "{\\rtf1 " + QByteArray(998, '{') + "x" + QByteArray(998, '}') + "}";
    EXPECT_EQ(PlainText(*ReadRtf(allowed)), "x");

    struct TCase {
        QByteArray Rtf;
        QString Plain;
    };
    const TCase cases[] = {
        {R"({\rtf1 open {\b bold)", "open bold"},                // closing braces missing
        {R"({\rtf1 kept} lost}}} more)", "kept"},                // surplus braces end the document
        {R"({\rtf1 a\bin999999999)", "a"},                      // \bin past the end
        {R"({\rtf1 a\bin-5 b})", "ab"},
        {R"({\rtf1 a\fs99999999999999999999999 b})", "ab"},
        {R"({\rtf1 a\'4)", "a"},                                 // truncated escapes
        {R"({\rtf1 a\'zzb})", "azzb"},
        {R"({\rtf1 a\)", "a"},
        {R"({\rtf1 a\u)", "a"},
        {R"({\rtf1 a\u99999999999999?b})", "a\uFFFFb"},
        {R"({\rtf1 \uc99999 \u65 bcd})", "A"},
        {R"({\rtf1{\colortbl;\red999\green-4\blue7;}\cf1 c\cf99999 d\f-7 e})", "cde"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(PlainText(*ReadRtf(c.Rtf)), c.Plain) << c.Rtf.constData();
    EXPECT_EQ(CharacterAt(*ReadRtf(R"({\rtf1 a\fs99999999999999999999999 b})"), "b").HalfPoints, 3276);
}

TEST(TRtfReaderTest, ReadsTheLetterFixture)
{
    const QByteArray rtf = RichFixture("letter-two-pages.rtf");
    ASSERT_FALSE(rtf.isEmpty());
    const auto document = ReadRtf(rtf);
    const QString text = PlainText(*document);
    EXPECT_TRUE(text.startsWith("[Today's Date]\n\n[Name and Address]\nDear [Full Name],\n"));
    EXPECT_TRUE(text.contains(QStringLiteral("Café crème € and “quotes”.")));
    EXPECT_TRUE(text.endsWith("Done."));
    EXPECT_FALSE(text.contains("Handwritten") || text.contains("Fixture") || text.contains("Normal"));
    EXPECT_EQ(document->PageLayout().MarginLeft, TTwips(1800));
    EXPECT_TRUE(ParagraphAt(*document, "Page two").PageBreakBefore);
    EXPECT_EQ(CharacterAt(*document, "An indented").FontName, "Courier New");
}

} // namespace
