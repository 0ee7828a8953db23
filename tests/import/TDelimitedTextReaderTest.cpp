// Lines of delimited text into values: the quote rule the import always had, the conventions
// spreadsheets write (doubled quotes, line breaks inside quotes), other delimiters, and the
// detection of encoding, delimiter and a line of column names.
#include "QStringPrinter.h"
#include "import/TDelimitedTextReader.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

struct TSplitCase {
    const char* Name;
    const char* Text;
    char16_t Delimiter;
    std::vector<QStringList> Records;
};

class SplitText : public ::testing::TestWithParam<TSplitCase> {};

TEST_P(SplitText, GivesTheValues)
{
    const TSplitCase& c = GetParam();
    EXPECT_EQ(TDelimitedTextReader::SplitText(QString::fromUtf8(c.Text), QChar(c.Delimiter)), c.Records);
}

const TSplitCase splitCases[] = {
    {"QuotedCommaKept", "Smith,\"Springfield, IL\",62701", u',', {{"Smith", "Springfield, IL", "62701"}}},
    {"BlanksKept", " a , b ", u',', {{" a ", " b "}}},
    {"TrailingDelimiterGivesEmptyValue", "a,b,\r\n", u',', {{"a", "b", ""}}},
    {"EmptyQuotedValue", "\"\",x", u',', {{"", "x"}}},
    // A quote inside an unquoted value keeps the commas up to the next quote, as it always did.
    {"MidValueQuoteProtects", "ab\"cd,ef\"gh,x", u',', {{"ab\"cd,ef\"gh", "x"}}},
    {"MidValueQuoteToLineEnd", "a,b\"c,d\ne,f", u',', {{"a", "b\"c,d"}, {"e", "f"}}},
    // Text after a closing quote: the value as written, enclosing quotes removed when both stand.
    {"TextAfterClosingQuote", "\"a,b\"c,d", u',', {{"\"a,b\"c", "d"}}},
    {"QuotesAtBothEndsRemoved", "\"ab\"cd\"\nx", u',', {{"ab\"cd"}, {"x"}}},
    {"ThirdQuoteProtectsToLineEnd", "\"ab\"cd\",x", u',', {{"\"ab\"cd\",x"}}},
    {"DoubledQuotes", "\"Big \"\"Q\"\" Co\",1", u',', {{"Big \"Q\" Co", "1"}}},
    {"LineBreakInsideQuotes", "\"12 Elm St\nSuite 4\",Boston\r\nx,y", u',', {{"12 Elm St\nSuite 4", "Boston"}, {"x", "y"}}},
    {"LineEndings", "a\r\nb\rc\nd", u',', {{"a"}, {"b"}, {"c"}, {"d"}}},
    {"EmptyLinesAreNoRecords", "a\n\n\r\n\nb\n", u',', {{"a"}, {"b"}}},
    {"Semicolons", "M\u00fcller;\"Stra\u00dfe 1; Hof\";Berlin", u';', {{"M\u00fcller", "Stra\u00dfe 1; Hof", "Berlin"}}},
    {"Tabs", "a\tb,c\t\"d\te\"", u'\t', {{"a", "b,c", "d\te"}}},
    {"RaggedRows", "a,b,c\nd\ne,f,g,h", u',', {{"a", "b", "c"}, {"d"}, {"e", "f", "g", "h"}}},
    // A quote never closed holds no line breaks: every line stays a record.
    {"UnterminatedQuoteKeepsItsLine", "a,\"b\nc", u',', {{"a", "\"b"}, {"c"}}},
};

INSTANTIATE_TEST_SUITE_P(Cases, SplitText, ::testing::ValuesIn(splitCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DelimitedTextReader, BoundsValuesAndColumnsOfHugeLines)
{
    const QString longValue(100000, u'x');
    const QString manyValues(5000, u',');
    const auto records = TDelimitedTextReader::SplitText(longValue + u',' + u'"' + longValue + u'"' + u'\n' + manyValues, u',');
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0][0].size(), TDelimitedTextReader::MaxValueLength);
    EXPECT_EQ(records[0][1].size(), TDelimitedTextReader::MaxValueLength);
    EXPECT_EQ(records[1].size(), TDelimitedTextReader::MaxColumns);
}

TEST(DelimitedTextReader, ReadsAcrossBlocksAndSkipsTheByteOrderMark)
{
    // Records straddle the reader's 64 KB blocks; a CR LF split between two blocks is one break.
    QByteArray bytes = "\xEF\xBB\xBF";
    for (int i = 0; i < 20000; ++i)
        bytes += "name" + QByteArray::number(i) + ",\"quoted, " + QByteArray::number(i) + "\"\r\n";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TDelimitedTextReader reader(buffer, TTextEncoding::teUtf8, u',');
    QStringList values;
    int count = 0;
    while (reader.ReadRecord(values)) {
        ASSERT_EQ(values, (QStringList{"name" + QString::number(count), "quoted, " + QString::number(count)}));
        ++count;
    }
    EXPECT_EQ(count, 20000);
}

TEST(DelimitedTextReader, DetectsTheEncoding)
{
    const QString text = QStringLiteral("M\u00fcller,K\u00f6ln\n");
    const QByteArray utf8 = text.toUtf8();
    QByteArray utf16le("\xFF\xFE", 2);
    utf16le += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    const QByteArray cp1252 = "M\xFCller,K\xF6ln\n";
    EXPECT_EQ(TDelimitedTextReader::DetectEncoding("\xEF\xBB\xBF" + utf8), TTextEncoding::teUtf8);
    EXPECT_EQ(TDelimitedTextReader::DetectEncoding(utf8), TTextEncoding::teUtf8);
    EXPECT_EQ(TDelimitedTextReader::DetectEncoding(utf16le), TTextEncoding::teUtf16LE);
    EXPECT_EQ(TDelimitedTextReader::DetectEncoding(utf16le.mid(2)), TTextEncoding::teUtf16LE);
    EXPECT_EQ(TDelimitedTextReader::DetectEncoding(QByteArray("\xFE\xFF\0a", 4)), TTextEncoding::teUtf16BE);
    EXPECT_EQ(TDelimitedTextReader::DetectEncoding(cp1252), TTextEncoding::teCp1252);
    // A head cut in the middle of a character is still UTF-8.
    EXPECT_EQ(TDelimitedTextReader::DetectEncoding(utf8.left(2)), TTextEncoding::teUtf8);

    for (const auto& [bytes, encoding] : {std::pair{utf16le, TTextEncoding::teUtf16LE}, {cp1252, TTextEncoding::teCp1252}}) {
        QByteArray copy = bytes;
        QBuffer buffer(&copy);
        buffer.open(QIODevice::ReadOnly);
        TDelimitedTextReader reader(buffer, encoding, u',');
        QStringList values;
        ASSERT_TRUE(reader.ReadRecord(values));
        EXPECT_EQ(values, (QStringList{"M\u00fcller", "K\u00f6ln"}));
    }
}

TEST(DelimitedTextReader, DetectsTheDelimiter)
{
    EXPECT_EQ(TDelimitedTextReader::DetectDelimiter("a,b,c\nd,e,f\n"), u',');
    EXPECT_EQ(TDelimitedTextReader::DetectDelimiter("a;b;c\nd;\"e;1\";f\n"), u';');
    EXPECT_EQ(TDelimitedTextReader::DetectDelimiter("Smith, John\tBoston\tMA\nLee, Ann\tSalem\tOR\n"), u'\t');
    // European numbers hold commas; the semicolons split every line alike.
    EXPECT_EQ(TDelimitedTextReader::DetectDelimiter("a;1,5;x\nb;2,25;y\nc;3;z\n"), u';');
    EXPECT_EQ(TDelimitedTextReader::DetectDelimiter("just one value\n"), u',');
}

TEST(DelimitedTextReader, RecognisesALineOfColumnNames)
{
    const QStringList known = {"LNAME", "Last Name", "ZIP", "Zip/Postal Code"};
    auto split = [](const char* text) { return TDelimitedTextReader::SplitText(QString::fromUtf8(text), u','); };
    EXPECT_TRUE(TDelimitedTextReader::LooksLikeHeader(split("Last Name,Given,Town\nSmith,Ann,Rome\n"), known));
    EXPECT_TRUE(TDelimitedTextReader::LooksLikeHeader(split("Surname,Postcode\nSmith,62701\nLee,10115\n"), known));
    EXPECT_FALSE(TDelimitedTextReader::LooksLikeHeader(split("Smith,Ann,Rome\nLee,Bo,Oslo\n"), known));
    EXPECT_FALSE(TDelimitedTextReader::LooksLikeHeader(split("Smith,62701\nLee,10115\n"), known));
    EXPECT_FALSE(TDelimitedTextReader::LooksLikeHeader(split("LNAME,,ZIP\nSmith,x,62701\n"), known));
    EXPECT_FALSE(TDelimitedTextReader::LooksLikeHeader(split("LNAME,ZIP\n"), known)); // nothing below it
}

} // namespace
