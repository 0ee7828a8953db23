// Nothing to print is an error for every print command: status 2, the reason on stderr, no file
// left. And the record choice keeps records out of the set out of the print.
#include "QuorvaneProcess.h"

#include "envelopes/EnvelopeTestTable.h"
#include "envelopes/TEnvelopeSetups.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

class PrintRefusalsEndToEnd : public EnvelopeTestTable {
protected:
    QString Out() const { return Home.filePath("out.pdf"); }
    QString TablePath() const { return TProgramFolder::DataFolder() + "ADD0001.DBF"; }
    QString LetterPath() const { return Home.filePath("letter.rtf"); }
    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Home.path(), arguments); }

    void SetUp() override
    {
        EnvelopeTestTable::SetUp();
        // 1 live, 2 marked deleted, 3 live but its prefix reads "DELETED".
        Create({{"FNAME=Ann", "LNAME=Smith", "ZIP=62701"}, {"FNAME=Bo", "LNAME=Gone", "ZIP=62701", "ISDEL"},
                {"PREFIX=DELETED", "FNAME=Cy", "LNAME=Jones", "ZIP=62701"}});
        Table->Close();
        auto setups = TEnvelopeSetups::Open();
        ASSERT_NE(setups, nullptr);
        TEnvelopeSetup ten;
        ten.Description = "Ten";
        setups->Save(ten, WriteLayout);
        QFile letter(LetterPath());
        ASSERT_TRUE(letter.open(QIODevice::WriteOnly));
        letter.write(R"({\rtf1 Dear [Full Name]})");
        letter.close();
        const TRun added = Quorvane({"setups", "labels", "add", "Club", "--template", "Avery 5160  Address Labels"});
        ASSERT_EQ(added.Status, 0) << added.Err.toStdString();
    }

    // The command with its output going to Out().
    QStringList Command(const QStringList& words, const QStringList& options) const
    {
        QStringList arguments = words;
        arguments << TablePath();
        if (words.front() == "labels")
            arguments << "--setup" << "Club";
        else if (words.front() == "envelopes")
            arguments << "--setup" << "Ten";
        else if (words.front() == "letters")
            arguments << "--letter-file" << LetterPath();
        else if (words.front() == "report")
            arguments << "--builtin" << "1";
        return arguments + options + QStringList{words.front() == "presort" ? "--out" : "--pdf", Out()};
    }

    void ExpectRefused(const QStringList& arguments, const QString& message)
    {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const TRun run = Quorvane(arguments);
        EXPECT_EQ(run.Status, 2) << run.Out.toStdString();
        EXPECT_TRUE(run.Err.contains(message)) << run.Err.toStdString();
        EXPECT_FALSE(QFile::exists(Out()));
        QFile::remove(Out());
    }
};

TEST_F(PrintRefusalsEndToEnd, NothingToPrintIsRefusedByEveryPrintCommand)
{
    const QString noMatch = "nothing to print: the filter UPPER(LNAME)=\"ZZZ\" matches no records";
    const QList<QStringList> commands = {{"labels"}, {"envelopes"}, {"letters", "merge"}, {"report"}, {"presort"}, {"zip-count"}};
    for (const QStringList& words : commands) {
        // The dialog's rule drops a filter that matches nothing; a print must not print everyone.
        ExpectRefused(Command(words, {"--query", "Last=zzz"}), noMatch);
        ExpectRefused(Command(words, {"--filter", "UPPER(LNAME)=\"ZZZ\""}), noMatch);
    }
    ExpectRefused(Command({"labels"}, {"--pages", "2-3"}), "nothing to print: --pages 2-3 starts past the last page (1)");
    ExpectRefused(Command({"labels"}, {"--mask", ""}), "nothing to print: --mask names no position");
}

TEST_F(PrintRefusalsEndToEnd, ACurrentRecordOutsideTheRecordSetIsRefused)
{
    const QList<QStringList> commands = {{"labels"}, {"envelopes"}, {"letters", "merge"}, {"report"}};
    for (const QStringList& words : commands) {
        // Record 2 is marked deleted; record 1 is not among the Joneses.
        ExpectRefused(Command(words, {"--choice", "current", "--recno", "2"}), "record 2 is not in the record set");
        ExpectRefused(Command(words, {"--query", "Last=jones", "--choice", "current", "--recno", "1"}),
                      "record 1 is not in the record set");
        SCOPED_TRACE(words.join(' ').toStdString());
        const TRun run = Quorvane(Command(words, {"--choice", "current", "--recno", "3"}));
        EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
        QFile::remove(Out());
    }
    ExpectRefused({"print-record", TablePath(), "--recno", "2", "--pdf", Out()}, "record 2 is deleted");
}

TEST_F(PrintRefusalsEndToEnd, AReportWithoutAFilterPrintsAllRecordsAsTheWindowChoosesThem)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    // No filter: "Records matching filter" is off in the window and "All records" leaves out
    // both the deleted record and the one whose prefix reads DELETED.
    const TRun run = Quorvane(Command({"report"}, {}));
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    QProcess text;
    text.start("pdftotext", {Out(), "-"});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains("Smith")) << printed.toStdString();
    EXPECT_FALSE(printed.contains("Jones")) << printed.toStdString();
    EXPECT_FALSE(printed.contains("Gone")) << printed.toStdString();
}

} // namespace
