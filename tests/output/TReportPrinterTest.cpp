#include "output/TPrinterSelection.h"
#include "output/TReportPrinter.h"
#include "prompts/TScriptedUserPrompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void ThreePages(TBaseReport& report)
{
    for (int page = 1; page <= 3 && report.ProcessEvents(); ++page) {
        if (page > 1)
            report.NewPage();
        report.PrintAt(1.0_in, 1.0_in, QString("page %1").arg(page));
        if (page == 2 && report.Title == "abort")
            report.Abort();
    }
}

TEST(TReportPrinterTest, PdfPrinterIsLastAndAsksForTheFileWhenNoneIsGiven)
{
    TScriptedUserPrompts prompts;
    QTemporaryDir dir;
    const QString pdf = dir.filePath("asked.pdf");
    TReportPrinter job;
    EXPECT_EQ(job.PrinterNames().back(), "PDF file");
    ASSERT_TRUE(job.SelectPrinter("PDF file"));
    EXPECT_EQ(job.DeviceName(), "PDF file");
    EXPECT_EQ(job.UnprintableLeft(), 0.0_in);
    job.OnPrint = ThreePages;

    prompts.Answer(QString());   // the user cancels the file dialog
    EXPECT_FALSE(job.Execute());
    EXPECT_TRUE(job.Aborted());
    EXPECT_TRUE(job.ErrorText().isEmpty());

    prompts.Answer(pdf);
    EXPECT_TRUE(job.Execute());
    EXPECT_EQ(job.OutputFile(), pdf);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    EXPECT_EQ(prompts.Asked().size(), 2u);
    EXPECT_EQ(prompts.Asked()[0].Kind, TPromptKind::pkSaveFile);
}

TEST(TReportPrinterTest, ThePdfPrinterCanBeWithdrawn)
{
    TPrinterSelection::SetPdfPrinterOffered(false);
    const TPrinterSelection printers;
    TPrinterSelection::SetPdfPrinterOffered(true);
    EXPECT_FALSE(printers.Printers().contains("PDF file"));
    if (printers.Printers().isEmpty())
        EXPECT_EQ(printers.PrinterIndex(), -1);
}

TEST(TReportPrinterTest, AbortedPdfIsNotLeftBehind)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("aborted.pdf");
    TReportPrinter job;
    job.SelectPrinter(TPrinterSelection::PdfPrinterName());
    job.Printers().SetPdfFileName(pdf);
    job.Title = "abort";
    job.OnPrint = ThreePages;
    EXPECT_FALSE(job.Execute());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST(TReportPrinterTest, PaperCodesGiveTheirSheets)
{
    struct Case { int Code; double Width; double Height; };
    const Case cases[] = {{1, 8.5, 11.0}, {9, 8.27, 11.69}, {11, 5.83, 8.27}, {20, 4.125, 9.5}, {27, 4.33, 8.66}};
    for (const Case& c : cases) {
        TReportPrinter job;
        ASSERT_TRUE(job.SetPaper(c.Code)) << c.Code;
        EXPECT_NEAR(job.PageWidth().Value(), c.Width, 0.01) << c.Code;
        EXPECT_NEAR(job.PageHeight().Value(), c.Height, 0.01) << c.Code;
    }
    TReportPrinter job;
    EXPECT_FALSE(job.SetPaper(17));
    job.SetCustomPaper(9.5_in, 4.125_in);
    job.SetOrientation(TOrientation::poLandscape);
    EXPECT_EQ(job.PaperCode(), 0);
    EXPECT_NEAR(job.PageWidth().Value(), 4.125, 1e-9);
    EXPECT_EQ(job.SectionRight(), job.PageWidth() - job.MarginRight());
}

} // namespace
