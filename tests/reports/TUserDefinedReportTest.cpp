#include "ReportTestTable.h"

#include "layout/TLLabelObjectFiler.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "reports/TReportPaper.h"
#include "reports/TUserDefinedReportPrint.h"

#include <QRegularExpression>

#include <stdexcept>

namespace {

using TRecords = TRecordChoice::TRecords;

class TUserDefinedReportTest : public ReportTestTable {
protected:
    TLOwner Owner;
    TReportPanel Header{&Owner}, Detail{&Owner}, Footer{&Owner};
    TLReportSettings Settings;
    QString File;

    void SetUp() override
    {
        ReportTestTable::SetUp();
        File = TProgramFolder::SysdataFolder() + "BIN00001.R";
        // Header and footer half an inch, detail one inch: 9 details between them on Letter.
        Settings.HeaderHeight = 48;
        Settings.DetailHeight = 96;
        Settings.FooterHeight = 48;
        Settings.UseFooter = true;
        Text(Header, "HEAD");
        Text(Footer, "FOOT");
        auto field = std::make_unique<TLPDLabel>();
        field->DataFieldName = "LNAME";
        field->DataFieldDescript = "Last Name";
        Detail.AddObject(std::move(field), QRect(10, 10, 200, 20));
    }
    static void Text(TReportPanel& band, const QString& caption)
    {
        auto label = std::make_unique<TLPLabel>();
        label->SetCaption(caption);
        band.AddObject(std::move(label), QRect(10, 10, 100, 20));
    }
    void People(int count, const QString& memo = QString())
    {
        std::vector<QStringList> people;
        for (int i = 0; i < count; ++i) {
            QStringList person{QStringLiteral("LNAME=P%1").arg(i, 3, 10, QLatin1Char('0'))};
            if (!memo.isEmpty())
                person << "MEMO=" + memo.arg(i);
            people.push_back(person);
        }
        Create(people);
    }
    bool Print(bool onePerPage = false)
    {
        TLLabelObjectFiler().WriteReport(Header, Detail, Footer, Settings, File);
        TReportRequest request;
        request.BuiltIn = 0;
        request.LayoutFile = File;
        request.OneRecordPerPage = onePerPage;
        request.Records = TRecords::All;
        return Run(request);
    }
};

TEST_F(TUserDefinedReportTest, RowsPerPageWithHeaderAndFooterOnEveryPage)
{
    People(20);
    ASSERT_TRUE(Print());
    ASSERT_EQ(Pages.PageCount(), 3);
    const int expected[] = {9, 9, 2};
    for (int page = 1; page <= 3; ++page) {
        const QStringList texts = PageTexts(page);
        EXPECT_EQ(texts.count("HEAD"), 1);
        EXPECT_EQ(texts.count("FOOT"), 1);
        EXPECT_EQ(texts.filter(QRegularExpression("^P\\d+$")).size(), expected[page - 1]) << page;
    }
}

TEST_F(TUserDefinedReportTest, OneRecordPerPage)
{
    People(3);
    ASSERT_TRUE(Print(true));
    ASSERT_EQ(Pages.PageCount(), 3);
    EXPECT_EQ(PageTexts(3).filter(QRegularExpression("^P\\d+$")), QStringList{"P002"});
}

TEST_F(TUserDefinedReportTest, MemoOnlyRunsOnInWholeLinesAboveTheFooter)
{
    Settings.UseHeader = Settings.UseDetail = false;
    Settings.UseMemo = true;
    People(40, "memo %1 first line\r\nsecond line");
    ASSERT_TRUE(Print());
    const QStringList texts = AllTexts().filter(QRegularExpression("line$"));
    ASSERT_EQ(texts.size(), 80);
    EXPECT_EQ(texts.mid(0, 4), (QStringList{"memo 0 first line", "second line", "memo 1 first line", "second line"}));
    // Every memo line lies wholly inside the section: the footer starts at 10.0 inches.
    for (int page = 1; page <= Pages.PageCount(); ++page)
        for (const TDisplayOp& op : Pages.Page(page).Operations())
            if (const auto* text = std::get_if<TTextOp>(&op); text && text->Text.endsWith("line")) {
                EXPECT_LT(text->Anchor.Y.Value(), 10.0);
            }
}

TEST_F(TUserDefinedReportTest, PaperCodeAndOrientationFromTheStoredSize)
{
    struct TCase {
        int Width, Height, Code;
        bool Landscape;
        QString Description;
    };
    const TCase cases[] = {{816, 1056, 1, false, "Letter Size, Portrait"},
                           {1121, 794, 9, true, "A4 Size, Landscape"},
                           {794, 1121, 9, false, "A4 Size, Portrait"},
                           {960, 576, 0, true, "Custom Size, Landscape"}};
    People(1);
    for (const TCase& entry : cases) {
        Settings.PageWidth = entry.Width;
        Settings.PageHeight = entry.Height;
        const TReportPaper paper = TReportPaper::Detect(entry.Width, entry.Height, 96);
        EXPECT_EQ(paper.PaperCode(), entry.Code);
        EXPECT_EQ(paper.Description(), entry.Description);
        TLLabelObjectFiler().WriteReport(Header, Detail, Footer, Settings, File);
        TUserDefinedReportPrint print(*Table, File);
        TReportFiler job(Pages);
        print.SetUpJob(job);
        EXPECT_EQ(job.Orientation() == TOrientation::poLandscape, entry.Landscape);
        if (entry.Code != 0) {
            EXPECT_EQ(job.PaperCode(), entry.Code);
        }
        EXPECT_NEAR(job.PageWidth().Value(), entry.Width / 96.0, 0.02);
        EXPECT_NEAR(job.PageHeight().Value(), entry.Height / 96.0, 0.02);
    }
}

TEST_F(TUserDefinedReportTest, ShadeColoursAndShadedBands)
{
    struct TCase {
        int Color, Percent;
        QColor Painted;
    };
    const TCase cases[] = {{0x0000FF, 0, QColor(255, 255, 255)},
                           {0x0000FF, 100, QColor(255, 0, 0)},
                           {0x0000FF, 50, QColor(255, 127, 127)},
                           {0x808080, 20, QColor(229, 229, 229)},
                           {0, 150, QColor(0, 0, 0)}};
    for (const TCase& entry : cases)
        EXPECT_EQ(TReportPaper::ShadeColor(entry.Color, entry.Percent), entry.Painted) << entry.Percent;

    People(1);
    Settings.Bands[1] = TLBandFrame{true, true, true, true, 2, 50, 0x0000FF};
    ASSERT_TRUE(Print());
    const auto fills = Pages.Page(1).OfKind<TFillRectOp>();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Color, QColor(255, 127, 127));
    // The detail band spans the margins' inside from top margin + header: 0.5 to 8.0, 1.0 to 2.0.
    EXPECT_NEAR(fills[0].Rect.Left.Value(), 0.5, 1e-9);
    EXPECT_NEAR(fills[0].Rect.Top.Value(), 1.0, 1e-9);
    EXPECT_NEAR(fills[0].Rect.Bottom.Value(), 2.01, 1e-9);
    // A two-point outline lies inside the band.
    for (const TLineOp& line : Pages.Page(1).OfKind<TLineOp>()) {
        EXPECT_GT(line.From.Y.Value(), 1.0);
        EXPECT_LT(line.To.Y.Value(), 2.0);
    }
}

TEST_F(TUserDefinedReportTest, MissingFileAndPagesThatCannotHoldABandAreRefused)
{
    People(1);
    TReportRequest request;
    request.BuiltIn = 0;
    request.LayoutFile = File;
    try {
        TReportRun run(*Table, request);
        FAIL() << "a missing file must be refused";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), TUserDefinedReportPrint::MissingFileMessage);
    }
    Settings.DetailHeight = 960; // ten inches between a header and a footer on Letter
    TLLabelObjectFiler().WriteReport(Header, Detail, Footer, Settings, File);
    TReportRun run(*Table, request);
    TReportFiler job(Pages);
    EXPECT_THROW(run.Configure(job), std::runtime_error);

    // Every band off: refused before any job, never an empty page reported as completed.
    Settings.DetailHeight = 96;
    Settings.UseHeader = Settings.UseDetail = Settings.UseMemo = Settings.UseFooter = false;
    TLLabelObjectFiler().WriteReport(Header, Detail, Footer, Settings, File);
    try {
        TReportRun bandless(*Table, request);
        FAIL() << "a report without bands must be refused";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), TUserDefinedReportPrint::NoBandsMessage);
    }
}

} // namespace
