// The two ZIP windows driven offscreen: "Count Zip Codes" (count, cancel, print, preview,
// printer setup) and "Bulk Mail Presorting" (done, cancelled).
#include "ZipTestTable.h"

#include "app/AppTestSupport.h"
#include "output/TPrinterSelection.h"
#include "tools/TBulkMailPresort.h"
#include "tools/TCountZipCodes.h"
#include "tools/TSortBulkMail.h"

#include <QLabel>
#include <QPushButton>

namespace {

class ZipWindows : public ZipTestTable {
protected:
    void SetUp() override
    {
        ZipTestTable::SetUp();
        Create(Joined({Copies("60601", 3), {"-60601", "K1A 0B1", "", "12345-6789"}}));
        ASSERT_TRUE(Table->SetOrderTag("LNAME"));
        Table->Table().go(3);
    }

    void ExpectPositionKept()
    {
        EXPECT_EQ(Table->Area().order(), Table->Area().tagNumber("LNAME"));
        EXPECT_EQ(Table->Table().recordNumber(), 3u);
    }
};

TEST_F(ZipWindows, CountShowsTheCommandsWhenFinished)
{
    TCountZipCodes form(*Table);
    EXPECT_EQ(form.windowTitle(), "Count Zip Codes");
    EXPECT_EQ(form.HeadingLabel->text(), "Counting the number of occurrences of each zip code:");
    EXPECT_TRUE(form.CancelButton->isVisibleTo(&form));
    EXPECT_FALSE(form.CommandPanel->isVisibleTo(&form));

    ASSERT_TRUE(form.CountZipCodes());
    EXPECT_EQ(form.ReportLines(), (QStringList{"12345     1", "60601     3", "", "", "K1A 0     1", "BLANK     1"}));
    EXPECT_EQ(form.HeadingLabel->text(), "Finished counting. Press Print or Preview for the report");
    EXPECT_FALSE(form.CancelButton->isVisibleTo(&form));
    EXPECT_FALSE(form.StatusLabel->isVisibleTo(&form));
    EXPECT_TRUE(form.CommandPanel->isVisibleTo(&form));
    ExpectPositionKept();
    SaveScreenshot(&form, "count-zip-codes");
}

TEST_F(ZipWindows, CancelledCountClosesTheWindow)
{
    TCountZipCodes form(*Table);
    form.AfterRecord = [&] { form.CancelButtonClick(); };
    Prompts.Answer(false); // the first Cancel is taken back
    Prompts.Answer(true);
    EXPECT_FALSE(form.CountZipCodes());
    EXPECT_FALSE(form.Finished());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    ASSERT_EQ(Prompts.Asked().size(), 2u);
    EXPECT_EQ(Prompts.Asked()[1].Caption, "CANCEL");
    EXPECT_EQ(Prompts.Asked()[1].Text, "Cancel Count?");
    ExpectPositionKept();
}

TEST_F(ZipWindows, PrintAndPreviewRunTheReport)
{
    TCountZipCodes form(*Table);
    ASSERT_TRUE(form.PrinterJob().SelectPrinter(TPrinterSelection::PdfPrinterName()));
    const QString pdf = Home.filePath("count.pdf");
    form.PrinterJob().Printers().SetPdfFileName(pdf);
    QString title, finalText;
    form.RunStatusWindow = [&](TPrintStatusWindow& status) {
        title = status.windowTitle();
        status.RunJob();
        finalText = status.StatusText();
    };
    form.PrintButtonClick(); // counts first: no count was finished yet
    EXPECT_TRUE(form.Finished());
    EXPECT_EQ(title, "Print Status Screen");
    EXPECT_EQ(finalText, "\rPrint Completed!");
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    QString previewTitle;
    double zoom = 0;
    int pages = 0;
    form.RunPreview = [&](TPreviewForm& preview) {
        previewTitle = preview.windowTitle();
        preview.FormActivate();
        zoom = preview.Previewer().ZoomFactor();
        pages = preview.Previewer().PageCount();
    };
    form.PreviewButtonClick();
    EXPECT_EQ(finalText, "\rPreview Ready!");
    EXPECT_EQ(previewTitle, "Preview Zipcode Count");
    EXPECT_EQ(zoom, 100);
    EXPECT_EQ(pages, 1);
}

TEST_F(ZipWindows, PrinterSetupWithoutPrinters)
{
    TPrinterSelection::SetPdfPrinterOffered(false);
    TCountZipCodes form(*Table);
    TPrinterSelection::SetPdfPrinterOffered(true);
    if (!form.PrinterJob().PrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    form.PrinterSetupButtonClick();
    EXPECT_EQ(Prompts.Texts(), QStringList{"There are no printers installed"});
}

TEST_F(ZipWindows, PresortWritesTheListOrCancelledWritesNothing)
{
    TSortBulkMail form(*Table);
    EXPECT_EQ(form.windowTitle(), "Bulk Mail Presorting");
    ASSERT_TRUE(form.RunPresort());
    EXPECT_EQ(form.Summary().Adc, (TPresortLevel{2, 4})); // 12345 Albany, 60601 Carol Stream
    EXPECT_EQ(form.Summary().NotPresortable, 2u);
    EXPECT_TRUE(QFile::exists(TBulkMailPresort::ListPath()));
    ExpectPositionKept();

    QFile::remove(TBulkMailPresort::ListPath());
    TSortBulkMail cancelled(*Table);
    cancelled.AfterRecord = [&] { cancelled.CancelButtonClick(); };
    Prompts.Answer(true);
    EXPECT_FALSE(cancelled.RunPresort());
    EXPECT_EQ(Prompts.Texts(), QStringList{"Cancel PRESORT?"});
    EXPECT_FALSE(QFile::exists(TBulkMailPresort::ListPath()));
    ExpectPositionKept();
}

TEST_F(ZipWindows, PresortWithDamagedAdcTableTellsAndWritesNothing)
{
    QFile adc(TProgramFolder::SysdataFolder() + "ADC.csv");
    ASSERT_TRUE(adc.open(QIODevice::WriteOnly));
    adc.write("NAME,PREFIXES\nBROKEN,12\n");
    adc.close();
    EXPECT_FALSE(TSortBulkMail(*Table).RunPresort());
    ASSERT_EQ(Prompts.Texts().size(), 1);
    EXPECT_TRUE(Prompts.Texts()[0].contains("not a 3-character prefix")) << Prompts.Texts()[0].toStdString();
    EXPECT_FALSE(QFile::exists(TBulkMailPresort::ListPath()));
}

} // namespace
