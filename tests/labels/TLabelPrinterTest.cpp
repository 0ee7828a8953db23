#include "LabelsPrintTable.h"

#include "labels/TCalibratePrinter.h"
#include "labels/TLabelCalibrationSheet.h"
#include "labels/TLabelPositionMask.h"
#include "settings/TProgramFolder.h"
#include <QDoubleSpinBox>
#include "output/TPrinterCalibration.h"
#include "output/TPrintStatusWindow.h"
#include "output/TReportPrinter.h"
#include "settings/TIniFile.h"
#include "tools/TAdcTable.h"
#include "tools/TBulkMailPresort.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <functional>

namespace {

bool Near(TInches a, TInches b) { return std::abs((a - b).Value()) < 1e-6; }

class TLabelPrinterTest : public TLabelsPrintTest {};

// Where each record lands, sheet by sheet, for the ways a sheet is filled.
struct TPlacementCase {
    const char* Name;
    std::function<void(TLabelStock&)> Stock;
    int Records;
    QString Mask;      // 1-based positions; empty: all
    int Skip;
    int PerRecord;
    std::vector<int> LabelsPerPage;
    std::function<void(const TPageStream&, const TLabelStock&)> Check;
};

TEST_F(TLabelPrinterTest, PlacesLabelsSheetBySheet)
{
    const auto threeByTen = [](TLabelStock&) {};
    const std::vector<TPlacementCase> cases = {
        {"31 records on 3 x 10: the second sheet holds one label at the top left", threeByTen, 31, "", 0, 1, {30, 1},
         [](const TPageStream& pages, const TLabelStock& stock) {
             const TPrintedLabel last = Labels(pages.Page(2)).front();
             EXPECT_EQ(last.Text, "P31");
             EXPECT_TRUE(Near(last.Place.X, stock.LeftMargin) && Near(last.Place.Y, stock.TopMargin));
         }},
        {"30 records fill one sheet and no empty sheet follows", threeByTen, 30, "", 0, 1, {30}, nullptr},
        {"only the first column: every sheet holds ten down the left", threeByTen, 25, "1,4,7,10,13,16,19,22,25,28", 0, 1,
         {10, 10, 5},
         [](const TPageStream& pages, const TLabelStock& stock) {
             for (int n = 1; n <= pages.PageCount(); ++n)
                 for (const TPrintedLabel& label : Labels(pages.Page(n)))
                     EXPECT_TRUE(Near(label.Place.X, stock.LeftMargin)) << label.Text.toStdString();
         }},
        {"three per record fill a row each", threeByTen, 4, "", 0, 3, {12},
         [](const TPageStream& pages, const TLabelStock& stock) {
             const auto labels = Labels(pages.Page(1));
             for (size_t i = 0; i < labels.size(); ++i) {
                 EXPECT_EQ(labels[i].Text, QStringLiteral("P%1").arg(i / 3 + 1));
                 EXPECT_TRUE(Near(labels[i].Place.Y, stock.TopMargin + stock.VerticalPitch * double(i / 3)));
             }
         }},
        {"a middle gap of 0.125 on 2 across moves the second column",
         [](TLabelStock& s) { s.Across = 2; s.MiddleExtraX = 0.125_in; }, 2, "", 0, 1, {2},
         [](const TPageStream& pages, const TLabelStock& stock) {
             EXPECT_TRUE(Near(Labels(pages.Page(1))[1].Place.X, stock.LeftMargin + stock.HorizontalPitch + 0.125_in));
         }},
        {"skipping four positions of a used sheet starts at the fifth; the next sheet is whole", threeByTen, 27, "", 4, 1,
         {26, 1},
         [](const TPageStream& pages, const TLabelStock& stock) {
             const TPrintedLabel first = Labels(pages.Page(1)).front();
             EXPECT_TRUE(Near(first.Place.X, stock.LeftMargin + stock.HorizontalPitch));
             EXPECT_TRUE(Near(first.Place.Y, stock.TopMargin + stock.VerticalPitch));
             EXPECT_TRUE(Near(Labels(pages.Page(2)).front().Place.X, stock.LeftMargin));
         }},
        {"a 10 x 30 sheet uses all 300 positions, past the 200th",
         [](TLabelStock& s) {
             s.Across = 10; s.Down = 30; s.LabelWidth = 0.5_in; s.LabelHeight = 0.25_in;
             s.HorizontalPitch = 0.75_in; s.VerticalPitch = 0.3_in; s.LeftMargin = 0.25_in; s.TopMargin = 0.5_in;
         }, 301, "", 0, 1, {300, 1},
         [](const TPageStream& pages, const TLabelStock& stock) {
             const TPrintedLabel last = Labels(pages.Page(1)).back();
             EXPECT_EQ(last.Text, "P300");
             EXPECT_TRUE(Near(last.Place.X, stock.LeftMargin + stock.HorizontalPitch * 9.0));
             EXPECT_TRUE(Near(last.Place.Y, stock.TopMargin + stock.VerticalPitch * 29.0));
         }},
    };
    for (const TPlacementCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Panel.DeleteAllObjects();
        Table.reset();
        QFile::remove(TProgramFolder::DataFolder() + "ADD0001.DBF");
        QFile::remove(TProgramFolder::DataFolder() + "ADD0001.CDX");
        QFile::remove(TProgramFolder::DataFolder() + "ADD0001.FPT");
        CreateTable(c.Records);
        TLabelPrintOptions options;
        options.Stock = TLabelStock::NewStock();
        c.Stock(options.Stock);
        if (!c.Mask.isEmpty())
            options.Mask = TLabelPositionMask::FromText(options.Stock, c.Mask);
        options.SkipPositions = c.Skip;
        options.LabelsPerRecord = c.PerRecord;
        TLabelPrinter printer(Panel, *Table, options);
        const TPageStream pages = Print(printer, options.Stock);
        std::vector<int> perPage;
        for (int n = 1; n <= pages.PageCount(); ++n)
            perPage.push_back(int(Labels(pages.Page(n)).size()));
        EXPECT_EQ(perPage, c.LabelsPerPage);
        EXPECT_EQ(printer.Labels(), c.Records * c.PerRecord);
        if (c.Check)
            c.Check(pages, options.Stock);
    }
}

TEST_F(TLabelPrinterTest, MaskTextNamesPositionsAndRefusesWhatIsNotOnTheSheet)
{
    const TLabelStock stock = TLabelStock::NewStock();
    const TLabelPositionMask mask = TLabelPositionMask::FromText(stock, "1, 3,5-7");
    EXPECT_EQ(mask.CountSet(), 5);
    EXPECT_TRUE(mask.IsSet(0) && mask.IsSet(2) && mask.IsSet(6) && !mask.IsSet(1) && !mask.IsSet(7));
    for (const char* bad : {"0", "31", "x", "7-5", ""})
        EXPECT_THROW(TLabelPositionMask::FromText(stock, bad), std::runtime_error) << bad;
}

class TPresortPrintTest : public TLabelPrinterTest {
protected:
    QString ListPath() const { return Home.filePath("PRESORT.PSL"); }
    void WriteList(const QByteArray& text)
    {
        QFile file(ListPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QStringList PrintPresorted(int64_t* notPresorted = nullptr)
    {
        TLabelPrintOptions options;
        options.Stock = TLabelStock::NewStock();
        options.Presort = true;
        options.PresortListPath = ListPath();
        TLabelPrinter printer(Panel, *Table, options);
        const QStringList texts = Texts(Print(printer, options.Stock));
        if (notPresorted)
            *notPresorted = printer.NotPresorted();
        return texts;
    }
};

TEST_F(TPresortPrintTest, FollowsTheListWithSeparatorsThenPrintsTheRestOnce)
{
    // Awkward ZIPs: empty, Canadian, too short, a ZIP+4, lower case, a leading blank, deleted.
    CreateTable({{"a1", "60601"}, {"b1", "46201"}, {"c1", ""}, {"a2", "60601-1234"}, {"d1", "K1A 0B1"},
                 {"e1", "606"}, {"b2", "46201"}, {"f1", "4620x"}, {"g1", " 60601"}, {"h1", "99999"}});
    WriteList("60601\r\n** 3-Digit 462\r\n46201\r\n55555\r\n**\r\n");
    int64_t notPresorted = 0;
    const QStringList texts = PrintPresorted(&notPresorted);
    EXPECT_EQ(texts.mid(0, 7), QStringList({"a1", "a2", "** 3-Digit 462", "b1", "b2", "**", "** Not presorted"}));
    QStringList rest = texts.mid(7);
    rest.sort();
    EXPECT_EQ(rest, QStringList({"c1", "d1", "e1", "f1", "g1", "h1"}));
    EXPECT_EQ(notPresorted, 6);
}

TEST_F(TPresortPrintTest, EveryChosenRecordPrintsExactlyOnceWhateverTheList)
{
    CreateTable({{"a", "60601"}, {"b", "60601"}, {"c", "6060"}, {"d", "60601 "}, {"e", "00000"}, {"f", "ABCDE"}});
    // Repeated, unknown, short and odd entries: nothing twice, nothing lost.
    WriteList("60601\n60601\n6060\n606\n00000\nABCDE\n");
    QStringList texts = PrintPresorted();
    texts.removeAll("** Not presorted");
    texts.sort();
    EXPECT_EQ(texts, QStringList({"a", "b", "c", "d", "e", "f"}));

    // A list that is missing altogether prints everything under the tail separator.
    QFile::remove(ListPath());
    texts = PrintPresorted();
    EXPECT_EQ(texts.size(), 7);
    EXPECT_EQ(texts.front(), "** Not presorted");
}

// A presort run and the labels after it: every group the list names prints whole under its
// separator, whatever the postcode holds (a blank at the fifth character, Windows-1252 letters
// that Qt would upper-case differently).
TEST_F(TPresortPrintTest, ARunOfThePresortKeepsEveryGroupWhole)
{
    struct TCase {
        const char* Name;
        std::vector<std::pair<QString, int>> Zips; // ZIP and how many records carry it
        QStringList Runs;                          // what prints, as runs of one text: "text x count"
    };
    const std::vector<TCase> cases = {
        {"ten Dutch 1012 AB", {{"1012 AB", 10}}, {"** 5-digit 1012 x 1", "1012 AB x 10"}},
        {"Dutch postcodes sharing their first five", {{"1012 cd", 4}, {"1012 AB", 6}},
         {"** 5-digit 1012 x 1", "1012 AB x 6", "1012 cd x 4"}},
        {"a sharp s in the ZIP", {{"1234ß", 10}}, {"** 5-digit 1234ß x 1", "1234ß x 10"}},
        {"sharp s and micro sign make one 3-digit group", {{"1234ß", 5}, {"1234µ", 5}},
         {"** 3-digit 123 x 1", "1234µ x 5", "1234ß x 5"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Panel.DeleteAllObjects();
        Table.reset();
        for (const char* file : {"ADD0001.DBF", "ADD0001.CDX", "ADD0001.FPT"})
            QFile::remove(TProgramFolder::DataFolder() + file);
        std::vector<std::pair<QString, QString>> people;
        for (const auto& [zip, count] : c.Zips)
            for (int n = 0; n < count; ++n)
                people.emplace_back(zip, zip); // the label shows the ZIP as its name
        CreateTable(people);
        ASSERT_TRUE(TBulkMailPresort::Run(*Table, TAdcTable::Load(), ListPath()));
        int64_t notPresorted = -1;
        const QStringList texts = PrintPresorted(&notPresorted);
        EXPECT_EQ(notPresorted, 0);
        QStringList runs;
        for (qsizetype at = 0, end = 0; at < texts.size(); at = end) {
            for (end = at; end < texts.size() && texts[end] == texts[at];)
                ++end;
            runs << QStringLiteral("%1 x %2").arg(texts[at]).arg(end - at);
        }
        EXPECT_EQ(runs, c.Runs);
    }
}

TEST_F(TPresortPrintTest, OnlyTheChosenRecordsPrintAndTheExactFlagIsPutBack)
{
    CreateTable({{"in", "60601"}, {"out", "60601"}, {"gone", "60601"}});
    Table->Table().go(3);
    Table->SetDeletedMark(true);
    Table->Table().commit();
    Table->Area().setCondition("UPPER(LNAME)<>\"OUT\" .AND. !ISDEL");
    Table->Area().setExact(true);
    Table->Table().goTop();
    WriteList("60601\n");
    EXPECT_EQ(PrintPresorted(), QStringList({"in"}));
    EXPECT_TRUE(Table->Area().exact());
}

TEST_F(TLabelPrinterTest, PaperQuestionAndPaperSetUp)
{
    TLabelStock stock = TLabelStock::NewStock();
    EXPECT_EQ(TLabelPrinter::PaperQuestion(stock),
              "Unable to confirm that the paper size was set to\r\n\r\n8.50\" by 11.00\"\r\n\r\n"
              "(you may have the wrong printer selected)\r\n\r\nWould you like to try printing anyways?");
    TPageStream pages;
    TReportFiler job(pages);
    stock.PaperSize = "LTRL";
    stock.SheetWidth = 11_in;
    stock.SheetDepth = 8.5_in;
    EXPECT_TRUE(TLabelPrinter::SetUpPaper(job, stock));
    EXPECT_EQ(job.Orientation(), TOrientation::poLandscape);
    EXPECT_FALSE(TLabelPrinter::PaperDiffers(job, stock));
    stock.PaperSize = "USER";
    stock.SheetWidth = 4_in;
    stock.SheetDepth = 6_in;
    EXPECT_TRUE(TLabelPrinter::SetUpPaper(job, stock));
    EXPECT_FALSE(TLabelPrinter::PaperDiffers(job, stock));
    stock.SheetDepth = 6.1_in;
    EXPECT_TRUE(TLabelPrinter::PaperDiffers(job, stock));
}

// ---- calibration

TEST_F(TLabelPrinterTest, CalibrationMovesAndScalesEverythingOnThePage)
{
    CreateTable(2);
    TLabelPrintOptions options;
    options.Stock = TLabelStock::NewStock();
    TLabelPrinter printer(Panel, *Table, options);
    TPageStream pages;
    TCalibrated<TReportFiler> job(pages);
    job.Calibration.OffsetX = 0.0625_in;
    job.Calibration.OffsetY = -0.03125_in;
    job.Calibration.ScalePercent = 110;
    TLabelPrinter::SetUpPaper(job, options.Stock);
    job.OnPrint = [&](TBaseReport& report) { printer.Print(report); };
    ASSERT_TRUE(job.Execute());
    const auto labels = Labels(pages.Page(1));
    ASSERT_EQ(labels.size(), 2u);
    const TInchRect second = options.Stock.Placement(1, 0);
    EXPECT_TRUE(Near(labels[1].Place.X, second.Left * 1.1 + 0.0625_in));
    EXPECT_TRUE(Near(labels[1].Place.Y, second.Top * 1.1 - 0.03125_in));
    EXPECT_TRUE(Near(pages.Page(1).PageWidth(), 8.5_in)); // the sheet itself stays as it is
    std::vector<double> sizes; // the block's 10 points and the loop's 8, scaled
    for (const TFontOp& font : pages.Page(1).OfKind<TFontOp>())
        sizes.push_back(std::round(font.PointSize * 100) / 100);
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), 11.0), sizes.end());
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), 8.8), sizes.end());
    EXPECT_EQ(std::find(sizes.begin(), sizes.end(), 10.0), sizes.end());
}

TEST_F(TLabelPrinterTest, CalibrationIsKeptPerPrinterWithinItsRanges)
{
    const QString settings = Home.filePath("QUORVA.ini");
    TPrinterCalibration calibration;
    calibration.OffsetX = 0.75_in;   // beyond the half inch
    calibration.OffsetY = -0.125_in;
    calibration.ScalePercent = 80;   // below 90
    calibration.Save(settings, "Office Laser");
    const TPrinterCalibration read = TPrinterCalibration::Load(settings, "office laser");
    EXPECT_DOUBLE_EQ(read.OffsetX.Value(), 0.5);
    EXPECT_DOUBLE_EQ(read.OffsetY.Value(), -0.125);
    EXPECT_DOUBLE_EQ(read.ScalePercent, 90);
    EXPECT_TRUE(TPrinterCalibration::Load(settings, "PDF file").IsIdentity());
    TPrinterCalibration().Save(settings, "Office Laser");
    EXPECT_TRUE(TPrinterCalibration::Load(settings, "Office Laser").IsIdentity());
    TIniFile(settings).WriteString("Calibration", "Broken", "a,b");
    EXPECT_TRUE(TPrinterCalibration::Load(settings, "Broken").IsIdentity());
}

// ---- failure

// An object that fails on its sixth label, as a damaged record or a full disk would.
class TFailingObject : public TLMultiLineLabel {
public:
    int Printed = 0;
    void Print(TBaseReport& report, TInches x, TInches y) override
    {
        if (++Printed > 5)
            throw std::runtime_error("Disk full");
        TLMultiLineLabel::Print(report, x, y);
    }
};

TEST_F(TLabelPrinterTest, AnErrorEndsTheJobAsFailedAndRemovesTheHalfWrittenPdf)
{
    CreateTable(40);
    auto failing = std::make_unique<TFailingObject>();
    failing->Items << "x";
    failing->SetBounds(0, 30, 50, 15);
    Panel.Adopt(std::move(failing));
    TLabelPrintOptions options;
    options.Stock = TLabelStock::NewStock();
    TLabelPrinter printer(Panel, *Table, options);
    const QString pdf = Home.filePath("labels.pdf");
    TReportPrinter job;
    job.SelectPrinter(TPrinterSelection::PdfPrinterName());
    job.Printers().SetPdfFileName(pdf);
    TLabelPrinter::SetUpPaper(job, options.Stock);
    job.OnPrint = [&](TBaseReport& report) { printer.Print(report); };
    TPrintStatusWindow status(job, false, TLabelPrinter::StatusTexts());
    EXPECT_EQ(status.RunJob(), TPrintOutcome::poFailed);
    EXPECT_EQ(status.StatusText(), "\rLabel Print Failed!\rDisk full");
    EXPECT_EQ(Prompts.Texts(), QStringList({"Disk full"}));
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_FALSE(Panel.Printing);
    EXPECT_EQ(Panel.SerialRun, nullptr);
}

} // namespace

namespace {

TEST_F(TLabelPrinterTest, CalibrationSheetOutlinesEveryPositionAndTheDialogKeepsTheOffsets)
{
    const TLabelStock stock = TLabelStock::NewStock();
    TPageStream pages;
    TReportFiler job(pages);
    TLabelPrinter::SetUpPaper(job, stock);
    job.OnPrint = [&](TBaseReport& report) { TLabelCalibrationSheet::Draw(report, stock); };
    ASSERT_TRUE(job.Execute());
    const auto outlines = pages.Page(1).OfKind<TRectOp>();
    ASSERT_EQ(outlines.size(), 30u);
    EXPECT_EQ(outlines[4].Rect, stock.Placement(1, 1));
    // The rulers' zero marks stand on the left edge of each label.
    int zeroMarks = 0;
    for (const TLineOp& line : pages.Page(1).OfKind<TLineOp>())
        if (line.From.X == stock.Placement(0, 0).Left && line.From.X == line.To.X && Near(line.To.Y - line.From.Y, 0.12_in))
            ++zeroMarks;
    EXPECT_EQ(zeroMarks, 10);

    TCalibratePrinter dialog("Office Laser", stock);
    dialog.OffsetXEdit->setValue(3.0 / 32.0);
    dialog.OffsetYEdit->setValue(-1.0 / 32.0);
    dialog.ScaleEdit->setValue(101.5);
    dialog.OkButtonClick();
    const TPrinterCalibration kept = TPrinterCalibration::Load(TProgramFolder::SettingsFile(), "Office Laser");
    EXPECT_DOUBLE_EQ(kept.OffsetX.Value(), 0.09375);
    EXPECT_DOUBLE_EQ(kept.OffsetY.Value(), -0.03125);
    EXPECT_DOUBLE_EQ(kept.ScalePercent, 101.5);
    EXPECT_EQ(TCalibratePrinter("Office Laser", stock).Calibration(), kept);
}

} // namespace
