// `quorvane labels ...` end to end: a setup made by the command line, records printed to a PDF
// and read back with pdftotext -bbox (where each word stands on which page).
#include "QuorvaneProcess.h"

#include "data/TAddressFiles.h"
#include "data/TAddressTable.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QFile>
#include <algorithm>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TWord {
    int Page;
    double X;
    double Y;
    QString Text;
};

class LabelPrintEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString Table = Folder.filePath("ADD0001.DBF");

    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Folder.filePath("home"), arguments); }

    void SetUp() override
    {
        TScriptedUserPrompts prompts;
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(Table, TFieldLengths()));
        auto table = TAddressTable::Open(Table);
        ASSERT_NE(table, nullptr);
        for (int n = 1; n <= 31; ++n) {
            table->Table().appendBlank();
            table->SetFieldText("FNAME", "Pat");
            table->SetFieldText("LNAME", QStringLiteral("Person%1").arg(n));
            table->SetFieldText("STREET", QStringLiteral("%1 Main St").arg(n));
            table->SetFieldText("CITY", "Springfield");
            table->SetFieldText("STATE", "IL");
            table->SetFieldText("ZIP", n == 31 ? QString() : QStringLiteral("627%1").arg(n % 3, 2, 10, QLatin1Char('0')));
        }
        table->Close();
        ASSERT_EQ(Quorvane({"setups", "labels", "add", "Club", "--template", "Avery 5160  Address Labels"}).Status, 0);
    }

    // Every word of the PDF with its page and top-left corner in inches.
    static std::vector<TWord> Words(const QString& pdf)
    {
        QProcess text;
        text.start("pdftotext", {"-bbox", pdf, "-"});
        EXPECT_TRUE(text.waitForFinished(30000));
        const QString html = QString::fromUtf8(text.readAllStandardOutput());
        std::vector<TWord> words;
        int page = 0;
        static const QRegularExpression pattern(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
        for (auto match = pattern.globalMatch(html); match.hasNext();) {
            const auto m = match.next();
            if (m.captured(0).startsWith("<page"))
                ++page;
            else
                words.push_back({page, m.captured(1).toDouble() / 72.0, m.captured(2).toDouble() / 72.0, m.captured(3)});
        }
        return words;
    }
    static const TWord* Find(const std::vector<TWord>& words, const QString& text)
    {
        for (const TWord& word : words)
            if (word.Text == text)
                return &word;
        return nullptr;
    }
};

TEST_F(LabelPrintEndToEnd, PrintsTheSetupToAPdfWhereTheSheetPutsEachLabel)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString pdf = Folder.filePath("labels.pdf");
    TRun run = Quorvane({"labels", Table, "--setup", "club", "--pdf", pdf});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "labels: 31, sheets: 2\n");
    std::vector<TWord> words = Words(pdf);
    const TWord* first = Find(words, "Person1");
    const TWord* second = Find(words, "Person2");
    const TWord* last = Find(words, "Person31");
    ASSERT_TRUE(first && second && last);
    EXPECT_EQ(first->Page, 1);
    EXPECT_EQ(last->Page, 2);
    // 5160: left margin 0.188, pitch 2.75, top 0.5; the block starts 5 pixels in.
    EXPECT_NEAR(second->X - first->X, 2.75, 0.02);
    EXPECT_NEAR(last->X, first->X, 0.02);
    EXPECT_NEAR(last->Y, first->Y, 0.02);
    EXPECT_NEAR(first->Y, 0.5 + 5 / 96.0, 0.08);

    // Presorted: the ZIP groups in list order, the record without a ZIP last and said so.
    run = Quorvane({"labels", Table, "--setup", "Club", "--presort", "--mask", "1-3", "--pdf", pdf});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.startsWith("labels: 31, sheets: ")) << run.Out.toStdString();
    EXPECT_TRUE(run.Out.contains("1 not presorted")) << run.Out.toStdString();
    words = Words(pdf);
    const TWord* notPresorted = Find(words, "presorted");
    ASSERT_TRUE(notPresorted);
    EXPECT_EQ(Find(words, "Person31")->Page, notPresorted->Page + (notPresorted->X > 5 ? 1 : 0));

    // Two per record from the fourth position on, pages 2 to 3 only.
    run = Quorvane({"labels", Table, "--setup", "Club", "--per-record", "2", "--skip", "3", "--pages", "2-3", "--pdf", pdf});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "labels: 62, sheets: 2\n");
    words = Words(pdf);
    EXPECT_EQ(Find(words, "Person1"), nullptr);
    EXPECT_EQ(Find(words, "Person31")->Page, 2);
}

TEST_F(LabelPrintEndToEnd, TenDutchPostcodesPrintAsOneFiveDigitGroup)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString dutch = Folder.filePath("ADD0002.DBF");
    {
        TScriptedUserPrompts prompts;
        ASSERT_TRUE(TAddressFiles::CreateAddressFile(dutch, TFieldLengths()));
        auto table = TAddressTable::Open(dutch);
        ASSERT_NE(table, nullptr);
        for (int n = 1; n <= 10; ++n) {
            table->Table().appendBlank();
            table->SetFieldText("LNAME", QStringLiteral("Dutch%1").arg(n));
            table->SetFieldText("CITY", "Amsterdam");
            table->SetFieldText("ZIP", "1012 AB");
        }
        table->Close();
    }
    const QString pdf = Folder.filePath("dutch.pdf");
    const TRun run = Quorvane({"labels", dutch, "--setup", "Club", "--presort", "--pdf", pdf});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "labels: 10, sheets: 1\n");
    const std::vector<TWord> words = Words(pdf);
    // One separator, "** 5-digit 1012", on the first position; the ten labels after it.
    ASSERT_EQ(std::count_if(words.begin(), words.end(), [](const TWord& w) { return w.Text == "5-digit"; }), 1);
    EXPECT_EQ(Find(words, "presorted"), nullptr);
    const TWord* separator = Find(words, "5-digit");
    const auto at = std::find_if(words.begin(), words.end(), [](const TWord& w) { return w.Text == "5-digit"; });
    ASSERT_TRUE(at + 1 < words.end());
    EXPECT_EQ((at + 1)->Text, "1012");
    for (int n = 1; n <= 10; ++n) {
        const TWord* label = Find(words, QStringLiteral("Dutch%1").arg(n));
        ASSERT_TRUE(label) << n;
        EXPECT_TRUE(label->Y > separator->Y + 0.5 || label->X > separator->X + 1.0) << n; // after it on the sheet
    }
}

TEST_F(LabelPrintEndToEnd, MissingSetupLayoutOrBadOptionsExitTwo)
{
    const QString pdf = Folder.filePath("labels.pdf");
    const QList<std::pair<QStringList, QString>> cases = {
        {{"labels", Table, "--setup", "Nope", "--pdf", pdf}, "No label setup named"},
        {{"labels", Table, "--setup-file", Folder.filePath("none.L"), "--template", "Avery 5160  Address Labels", "--pdf", pdf},
         "No layout file"},
        {{"labels", Table, "--setup-file", Folder.filePath("home/sysdata/BIN00001.L"), "--template", "Avery 0000", "--pdf", pdf},
         "No label template named"},
        {{"labels", Table, "--setup", "Club"}, "give one of --pdf"},
        {{"labels", Table, "--setup", "Club", "--mask", "31", "--pdf", pdf}, "No position 31"},
        {{"labels", Table, "--setup", "Club", "--per-record", "100", "--pdf", pdf}, "--per-record"},
        {{"labels", Table, "--setup", "Club", "--skip", "2", "--mask", "1", "--pdf", pdf}, "not both"},
    };
    for (const auto& [arguments, message] : cases) {
        const TRun run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains(message)) << run.Err.toStdString();
    }
    ASSERT_TRUE(QFile::remove(Folder.filePath("home/sysdata/BIN00001.L")));
    const TRun run = Quorvane({"labels", Table, "--setup", "Club", "--pdf", pdf});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains("Label definition file has been removed from the sysdata directory")) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
