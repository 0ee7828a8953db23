// The envelope commands end to end: the setups as CSV, envelopes read back from the PDF with
// their word boxes, and the errors that leave no file.
#include "QuorvaneProcess.h"

#include "envelopes/EnvelopeTestTable.h"
#include "envelopes/TEnvelopeSetups.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

class EnvelopeCommandsEndToEnd : public EnvelopeTestTable {
protected:
    QString Pdf() const { return Home.filePath("out.pdf"); }
    TRun Quorvane(const QStringList& arguments) { return RunQuorvane(Home.path(), arguments); }

    void SetUp() override
    {
        EnvelopeTestTable::SetUp();
        Create({{"FNAME=Ann", "LNAME=Smith", "CITY=Springfield"}, {"FNAME=Bo", "LNAME=Gone", "ISDEL"},
                {"FNAME=Cy", "LNAME=Jones", "CITY=Portland"}});
        Table->Close();
        auto setups = TEnvelopeSetups::Open();
        ASSERT_NE(setups, nullptr);
        TEnvelopeSetup ten;
        ten.Description = "Ten";
        setups->Save(ten, WriteLayout);
        TEnvelopeSetup gone;
        gone.Description = "Lost, \"quoted\"";
        gone.SetSize(TEnvelopeSizes::Custom(7.25, 3.5));
        setups->Save(gone, [](const QString&) {});
    }

    // Page sizes and the first word box of each page whose text is `word`.
    static QStringList Boxes(const QString& pdf, const QString& word)
    {
        QProcess text;
        text.start("pdftotext", {"-bbox", pdf, "-"});
        EXPECT_TRUE(text.waitForFinished(30000));
        const QString html = QString::fromUtf8(text.readAllStandardOutput());
        QStringList found;
        static const QRegularExpression item(R"re(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
        for (auto match = item.globalMatch(html); match.hasNext();) {
            const auto m = match.next();
            if (!m.captured(1).isEmpty())
                found << QStringLiteral("page %1x%2").arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble()));
            else if (m.captured(5) == word)
                found << QStringLiteral("%1 at %2,%3").arg(word).arg(int(m.captured(3).toDouble())).arg(int(m.captured(4).toDouble()));
        }
        return found;
    }
};

TEST_F(EnvelopeCommandsEndToEnd, SetupsAsCsv)
{
    const TRun run = Quorvane({"setups", "envelopes"});
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out.toStdString(), "DESCRIPT,NUMBER,SIZE,LENGTH,WIDTH,BINARY\r\n"
                       "\"Lost, \"\"quoted\"\"\",0,CUSTOM 7.250 X 3.500 INCHES,7.250,3.500,BIN00002.E\r\n"
                       "Ten,20,ENVELOPE #10 4 1/8 X 9 1/2 INCHES,9.500,4.125,BIN00001.E\r\n"); // RFC 4180 lines
    EXPECT_EQ(Quorvane({"setups", "labels"}).Status, 0); // the label setups still answer
}

TEST_F(EnvelopeCommandsEndToEnd, EnvelopesToPdfAtTheFeedOffsets)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString table = TProgramFolder::DataFolder() + "ADD0001.DBF";
    // The page is the envelope: the address block at 4.5 x 2 inches, one page per live record by name.
    TRun run = Quorvane({"envelopes", table, "--setup", "ten", "--choice", "all", "--pdf", Pdf()});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, "Envelope Print Completed! 2 envelopes in " + Pdf() + "\n");
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(Boxes(Pdf(), "Cy"), QStringList({"page 684x297", "Cy at 324,144", "page 684x297"}));
    EXPECT_EQ(Boxes(Pdf(), "Ann"), QStringList({"page 684x297", "page 684x297", "Ann at 324,144"}));

    // Face down, landscape, left on landscape Letter: offsets 1.5 and 4.375 inches, and the warning.
    run = Quorvane({"envelopes", table, "--setup", "Ten", "--feed", "landscape,down,left", "--paper", "1",
                    "--recno", "3", "--choice", "current", "--pdf", Pdf(), "--preview-png", Home.filePath("png")});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.startsWith("WARNING: Printer PAPER SIZE and ORIENTATION do not match selected Envelope.\n"));
    EXPECT_EQ(Boxes(Pdf(), "Cy"), QStringList({"page 792x612", "Cy at 432,459"}));
    EXPECT_TRUE(QFile::exists(Home.filePath("png/envelope-0001.png")));
    EXPECT_FALSE(QFile::exists(Home.filePath("png/envelope-0002.png")));
}

TEST_F(EnvelopeCommandsEndToEnd, FailuresLeaveNoFile)
{
    const QString table = TProgramFolder::DataFolder() + "ADD0001.DBF";
    QFile damaged(Home.filePath("damaged.E"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("TPF0\x05garbage");
    damaged.close();
    struct {
        QStringList Arguments;
        const char* Message;
    } const cases[] = {
        {{"--setup", "Nine"}, "there is no envelope setup \"Nine\""},
        {{"--setup", "Lost, \"quoted\""}, "Envelope definition file has been removed from the sysdata directory"},
        {{"--setup-file", Home.filePath("damaged.E")}, "damaged.E"},
        {{"--setup-file", Home.filePath("damaged.E"), "--size", "99"}, "unknown envelope size code 99"},
        {{"--setup-file", Home.filePath("damaged.E"), "--size", "16x4"}, "The length must be from 3 to 15 inches"},
        {{"--setup", "Ten", "--feed", "sideways,up,left"}, "--feed is"},
        {{"--setup", "Ten", "--filter", "LNAME=\"ZZZ\""}, "the filter LNAME=\"ZZZ\" matches no records"},
        {{"--setup", "Ten", "--query", "Last=zzz"}, "the filter UPPER(LNAME)=\"ZZZ\" matches no records"},
        {{"--setup", "Ten", "--size", "20"}, "--size goes with --setup-file"},
    };
    for (const auto& c : cases) {
        const TRun run = Quorvane(QStringList{"envelopes", table} + c.Arguments + QStringList{"--pdf", Pdf()});
        EXPECT_EQ(run.Status, 2) << c.Message;
        EXPECT_TRUE(run.Err.contains(c.Message)) << run.Err.toStdString();
        EXPECT_FALSE(QFile::exists(Pdf())) << c.Message;
    }
}

} // namespace
