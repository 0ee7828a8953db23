#include "output/TReportFiler.h"
#include "output/TPrintCurrentRecord.h"
#include "output/TSingleRecordPrint.h"

#include <QCheckBox>

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TRecordPrintout SampleRecord(const QString& memo)
{
    TRecordPrintout record;
    record.Fields = {{"Prefix", "Dr."}, {"Last", "Whitfield"}, {"First", "Anna"}, {"City", "Springfield"},
                     {"State", "IL"}, {"Zip/Postal", "62704"}};
    record.Memo = memo;
    record.Date = QDate(2026, 3, 14);
    return record;
}

QString LongMemo()
{
    QStringList paragraphs;
    for (int i = 1; i <= 60; ++i)
        paragraphs << QString("Note %1: called about the spring mailing and asked for two extra catalogues "
                              "to be sent to the branch office before the end of the month.").arg(i);
    return paragraphs.join("\r\n");
}

TPageStream Preview(const TRecordPrintout& record, const QStringList& labels)
{
    TPageStream stream;
    TReportFiler job(stream);
    TSingleRecordPrint printout(record, labels);
    printout.Attach(job);
    EXPECT_TRUE(job.Execute());
    return stream;
}

QStringList TextsOf(const TDisplayList& page)
{
    QStringList texts;
    for (const TDisplayOp& op : page.Operations()) {
        if (const auto* text = std::get_if<TTextOp>(&op))
            texts << text->Text;
        if (const auto* clipped = std::get_if<TClippedTextOp>(&op))
            texts << clipped->Text;
    }
    return texts;
}

TEST(TSingleRecordPrintTest, OnlyTheChosenFieldsAreLabelledInBold)
{
    const TPageStream stream = Preview(SampleRecord("A memo nobody asked for"), {"Last", "First"});
    ASSERT_EQ(stream.PageCount(), 1);
    const TDisplayList& page = stream.Page(1);
    const QString date = QLocale::system().toString(QDate(2026, 3, 14), QLocale::ShortFormat);
    EXPECT_EQ(TextsOf(page), QStringList({"Page 1", date, "Last", "Whitfield", "First", "Anna"}));

    // Labels bold in the first tab at the left margin, values regular in the second.
    const auto texts = page.OfKind<TClippedTextOp>();
    EXPECT_EQ(texts[0].Clip.Left, 1.02_in);
    EXPECT_EQ(texts[1].Clip.Left, 2.27_in);
    EXPECT_LT(texts[0].Start.Y, texts[2].Start.Y);
    bool bold = false;
    QStringList boldTexts;
    for (const TDisplayOp& op : page.Operations()) {
        if (const auto* font = std::get_if<TFontOp>(&op))
            bold = font->Bold;
        if (const auto* text = std::get_if<TClippedTextOp>(&op); text && bold)
            boldTexts << text->Text;
    }
    EXPECT_EQ(boldTexts, QStringList({"Last", "First"}));

    // Rules along the body's top and bottom, one inch from each edge, margin to margin.
    const auto rules = page.OfKind<TLineOp>();
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[0].From, (TInchPoint{1.0_in, 1.0_in}));
    EXPECT_EQ(rules[0].To, (TInchPoint{7.5_in, 1.0_in}));
    EXPECT_EQ(rules[1].From.Y, 10.0_in);
}

TEST(TSingleRecordPrintTest, LongMemoContinuesInItalicUnderAFreshHeader)
{
    const QStringList labels{"Last", "Memo"};
    const TPageStream stream = Preview(SampleRecord(LongMemo()), labels);
    ASSERT_GE(stream.PageCount(), 2);
    const QStringList second = TextsOf(stream.Page(2));
    EXPECT_EQ(second.mid(0, 2), QStringList({"Page 2", QLocale::system().toString(QDate(2026, 3, 14), QLocale::ShortFormat)}));

    // Every memo line lies inside the body section, and every word of the memo is printed.
    QStringList printed;
    for (int n = 1; n <= stream.PageCount(); ++n) {
        bool italic = false;
        for (const TDisplayOp& op : stream.Page(n).Operations()) {
            if (const auto* font = std::get_if<TFontOp>(&op))
                italic = font->Italic;
            const auto* text = std::get_if<TClippedTextOp>(&op);
            if (!text || !italic)
                continue;
            EXPECT_GT(text->Clip.Top, 1.0_in);
            EXPECT_LE(text->Clip.Bottom.Value(), 10.0 + 1e-9);
            EXPECT_LE(text->Clip.Right, 7.5_in);
            printed << text->Text;
        }
    }
    EXPECT_EQ(printed.join(' ').split(' ', Qt::SkipEmptyParts), LongMemo().split(QRegularExpression("\\s+")));
}

TEST(TSingleRecordPrintTest, BlankMemoPrintsNothing)
{
    for (const QString& memo : {QString(), QString("   "), QString("\r\n"), QString("\n"), QString("  \r")}) {
        SCOPED_TRACE(memo.toStdString());
        const TPageStream stream = Preview(SampleRecord(memo), {"Memo"});
        ASSERT_EQ(stream.PageCount(), 1);
        EXPECT_EQ(TextsOf(stream.Page(1)).size(), 2);           // page number and date
        EXPECT_EQ(stream.Page(1).OfKind<TLineOp>().size(), 2u);  // the rules, no memo underline
    }
}

TEST(TSingleRecordPrintTest, WrapKeepsLineBreaksAndSplitsOverlongWords)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.SetFont("Times New Roman", 10);
    const QStringList lines = TSingleRecordPrint::WrapText(job, "one two\r\n\r\n" + QString(200, 'W'), 1.0_in);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.mid(0, 2), QStringList({"one two", ""}));
    EXPECT_EQ(lines.mid(2).join(""), QString(200, 'W'));
    for (const QString& line : lines)
        EXPECT_LE(job.TextWidth(line), 1.0_in);
}

TEST(TSingleRecordPrintTest, AMemoEndingInALineBreakGetsNoExtraRow)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.SetFont("Times New Roman", 10);
    const std::pair<QString, QStringList> rows[] = {
        {"Note\r\n", {"Note"}},
        {"Note\n", {"Note"}},
        {"Note\r\n\r\n", {"Note", ""}}, // the empty line typed after it stays
        {"\r\nNote", {"", "Note"}},
    };
    for (const auto& [memo, lines] : rows)
        EXPECT_EQ(TSingleRecordPrint::WrapText(job, memo, 3.0_in), lines) << memo.toStdString();
}

TEST(TSingleRecordPrintTest, PdfOfARecordWithLongMemoReadsBack)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("record.pdf");
    QString error;
    ASSERT_TRUE(PrintRecordToPdf(SampleRecord(LongMemo()), {}, pdf, &error)) << error.toStdString();

    QProcess process;
    process.start(pdftotext, {"-layout", pdf, "-"});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList pages = text.split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Page 1"));
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Zip/Postal\\s+62704")));
    EXPECT_TRUE(pages[0].contains("Note 1:"));
    EXPECT_TRUE(pages[1].contains("Page 2"));
    EXPECT_TRUE(text.contains("Note 60:"));
}

TEST(TSingleRecordPrintTest, PdfIntoAMissingFolderFailsWithAMessage)
{
    QString error;
    EXPECT_FALSE(PrintRecordToPdf(SampleRecord("x"), {}, "/nonexistent-folder/record.pdf", &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace

namespace {

TEST(TPrintCurrentRecordTest, AllSwitchesEveryBoxAndBoxesSelectPrintedLabels)
{
    TPrintCurrentRecord dialog(SampleRecord("memo"));
    EXPECT_EQ(dialog.windowTitle(), "Print Current Record");
    EXPECT_EQ(dialog.SelectedLabels().size(), 21);
    dialog.AllCheckBox()->setChecked(false);
    dialog.AllCheckBoxClick();
    EXPECT_TRUE(dialog.SelectedLabels().isEmpty());
    dialog.CheckBox("State/Province")->setChecked(true);
    dialog.CheckBox("E-mail")->setChecked(true);
    dialog.CheckBox("Memo")->setChecked(true);
    EXPECT_EQ(dialog.SelectedLabels(), QStringList({"State", "E-Mail", "Memo"}));
}

} // namespace
