#include "LetterTestTable.h"

#include "letters/TLetterPrintJob.h"
#include "output/TPrinterSelection.h"

#include <QFile>

#include <utility>

namespace {

using TRecords = TRecordChoice::TRecords;
using TResult = TLetterPrintJob::TResult;

const QByteArray TwoPages = R"({\rtf1 Dear [First] [Last],\page Page two for [Last].})";

class TLetterPrintJobTest : public LetterTestTable {
protected:
    TPrinterSelection Printers;
    QString Pdf;
    QStringList Statuses;

    void SetUp() override
    {
        LetterTestTable::SetUp();
        Create({{"FNAME=Ann", "LNAME=Lee"}, {"FNAME=Bo", "LNAME=Kim", "ISDEL"}, {"FNAME=Cy", "LNAME=Ng"}});
        TPrinterSelection::SetPdfPrinterOffered(true);
        ASSERT_TRUE(Printers.SelectPrinter(TPrinterSelection::PdfPrinterName()));
        Pdf = Home.filePath("letters.pdf");
        Printers.SetPdfFileName(Pdf);
    }

    TResult Run(TLetterPrintJob& job)
    {
        job.OnStatus = [this](const QString& status) { Statuses << status; };
        return job.Run();
    }

    QByteArray PdfBytes() const
    {
        QFile file(Pdf);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(TLetterPrintJobTest, TwoPageLetterForTwoRecordsGivesFourPages)
{
    auto letter = Letter(TwoPages);
    TLetterPrintJob job(*Table, *letter, Printers);
    job.SetRecords(TRecords::All, false);
    EXPECT_EQ(Run(job), TResult::lrCompleted);
    EXPECT_EQ(job.PagesPrinted(), 4);
    EXPECT_EQ(Statuses, (QStringList{"Printing page 2", "Printing page 4", "Letter Print Completed!"}));
    EXPECT_EQ(PdfBytes().count("/Type /Page\n") + PdfBytes().count("/Type /Page\r") + PdfBytes().count("/Type /Page "), 4);
}

TEST_F(TLetterPrintJobTest, CurrentRecordInThreeCopiesLeavesThePositionAlone)
{
    auto letter = Letter(R"({\rtf1\paperw8391\paperh11906 Dear [First].})"); // A5
    Table->Table().go(3);
    TLetterPrintJob job(*Table, *letter, Printers);
    job.SetRecords(TRecords::OnlyCurrent, false);
    job.SetCopies(3);
    QStringList merged;
    job.OnMerged = [&](const TRichDocument& document) { merged << Text(document); };
    EXPECT_EQ(Run(job), TResult::lrCompleted);
    EXPECT_EQ(job.PagesPrinted(), 3);
    EXPECT_EQ(merged, QStringList{"Dear Cy."});
    EXPECT_EQ(Table->Table().recordNumber(), 3u);
    // The sheet is the letter's own page: 8391 x 11906 twips, 419.55 x 595.3 points.
    const QByteArray pdf = PdfBytes();
    const qsizetype box = pdf.indexOf("/MediaBox [");
    ASSERT_GE(box, 0);
    const QList<QByteArray> numbers = pdf.mid(box + 11, pdf.indexOf(']', box) - box - 11).simplified().split(' ');
    ASSERT_EQ(numbers.size(), 4);
    EXPECT_NEAR(numbers[2].toDouble(), 419.55, 0.5); // PDF pages come in whole points
    EXPECT_NEAR(numbers[3].toDouble(), 595.3, 0.5);
}

TEST_F(TLetterPrintJobTest, AllRecordsSkipsDeletedOnesAndPutsTheFilterBack)
{
    Table->SetFilterText("LNAME=\"K\"");
    const std::string before = Table->Area().condition();
    auto letter = Letter("{\\rtf1 [Last]}");
    TLetterPrintJob job(*Table, *letter, Printers);
    job.SetRecords(TRecords::All, false);
    QStringList merged;
    job.OnMerged = [&](const TRichDocument& document) { merged << Text(document); };
    EXPECT_EQ(Run(job), TResult::lrCompleted);
    EXPECT_EQ(merged, (QStringList{"Lee", "Ng"}));
    EXPECT_EQ(Table->Area().condition(), before);
}

TEST_F(TLetterPrintJobTest, CancelAsksAndAbortsOnYes)
{
    auto letter = Letter(TwoPages);
    for (const bool yes : {true, false}) {
        Statuses.clear();
        Prompts.Clear();
        Prompts.Answer(yes);
        TLetterPrintJob job(*Table, *letter, Printers);
        job.SetRecords(TRecords::All, false);
        bool pressed = false;
        job.ProcessEvents = [&] {
            if (!std::exchange(pressed, true))
                job.RequestCancel();
        };
        const TResult result = Run(job);
        EXPECT_EQ(Prompts.Texts(), QStringList{"Cancel print job?"});
        if (yes) {
            EXPECT_EQ(result, TResult::lrCanceled);
            EXPECT_EQ(Statuses.last(), "Letter Print Canceled!");
            EXPECT_FALSE(QFile::exists(Pdf));
        } else {
            EXPECT_EQ(result, TResult::lrCompleted);
            EXPECT_EQ(job.PagesPrinted(), 4);
        }
    }
}

TEST_F(TLetterPrintJobTest, FailuresAreNeverCompleted)
{
    auto letter = Letter(TwoPages);
    {
        Printers.SetPdfFileName(Home.filePath("no/such/folder/x.pdf"));
        TLetterPrintJob job(*Table, *letter, Printers);
        EXPECT_EQ(Run(job), TResult::lrFailed);
        EXPECT_FALSE(job.Error().isEmpty());
        EXPECT_FALSE(Statuses.contains("Letter Print Completed!"));
    }
    {
        Printers.SetPdfFileName(Pdf);
        TLetterPrintJob job(*Table, *letter, Printers);
        job.SetRecords(TRecords::All, false);
        job.OnPage = [](int pages) {
            if (pages == 3)
                throw std::runtime_error("the device went away");
        };
        EXPECT_EQ(Run(job), TResult::lrFailed);
        EXPECT_TRUE(job.Error().contains("the device went away"));
        EXPECT_FALSE(QFile::exists(Pdf)); // no partial PDF is left behind
        EXPECT_EQ(Statuses.last(), job.Error());
    }
    {
        Table->SetFilterText("LNAME=\"Zz\"");
        TLetterPrintJob job(*Table, *letter, Printers);
        job.SetRecords(TRecords::MatchingFilter, false);
        EXPECT_EQ(Run(job), TResult::lrFailed); // nothing to print is no finished letter
        EXPECT_FALSE(QFile::exists(Pdf));
    }
}

TEST(TLetterPrinterBoundsTest, MarginsLessOffsets)
{
    struct TCase {
        TRichPageLayout Page;
        int Dpi;
        QPoint Offset;
        QRect Bounds;
    };
    TRichPageLayout a4;
    a4.PaperWidth = TTwips(11906);
    a4.PaperHeight = TTwips(16838);
    a4.MarginLeft = TTwips(720);
    a4.MarginRight = TTwips(1080);
    const TCase cases[] = {
        {TRichPageLayout(), 600, QPoint(), QRect(600, 600, 3900, 5400)},
        {TRichPageLayout(), 600, QPoint(25, 50), QRect(575, 550, 3900, 5400)},
        {a4, 300, QPoint(), QRect(150, 300, 2480 - 150 - 225, 3507 - 300 - 300)},
        {a4, 300, QPoint(12, 12), QRect(138, 288, 2105, 2907)},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TLetterPrintJob::DeterminePrinterBounds(c.Page, c.Dpi, c.Dpi, c.Offset), c.Bounds);
}

} // namespace
