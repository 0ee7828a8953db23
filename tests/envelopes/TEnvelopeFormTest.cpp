// The envelope run on a page stream: which records print (the record choice), where the layout
// lands, the preview's printable area, what is put back, and the failures that print nothing.
#include "EnvelopeTestTable.h"

#include "envelopes/TEnvelopeForm.h"
#include "envelopes/TEnvelopeSetups.h"

#include "layout/TIMbSerialStore.h"
#include "layout/TLIMBarCode.h"
#include "output/TReportFiler.h"
#include "xbase/WorkArea.h"

#include <QFile>

namespace {

using TRecords = TRecordChoice::TRecords;

// The address block's first line on each page (the "FROM" text is the same on all).
QStringList Names(const TPageStream& pages)
{
    QStringList names;
    for (int page = 1; page <= pages.PageCount(); ++page)
        for (const TDisplayOp& op : pages.Page(page).Operations()) {
            QString text;
            if (const auto* plain = std::get_if<TTextOp>(&op))
                text = plain->Text;
            else if (const auto* clipped = std::get_if<TClippedTextOp>(&op))
                text = clipped->Text;
            if (!text.isEmpty() && text != "FROM") {
                names << text;
                break;
            }
        }
    return names;
}

class TEnvelopeFormTest : public EnvelopeTestTable {
protected:
    TEnvelopePanel Panel;
    TPageStream Pages;

    void SetUp() override
    {
        EnvelopeTestTable::SetUp();
        Create({{"FNAME=Ann", "LNAME=Able"}, {"FNAME=Bo", "LNAME=Bond", "ISDEL"}, {"FNAME=Cy", "LNAME=Cole"},
                {"FNAME=Di", "LNAME=Dunn"}});
        WriteLayout(TProgramFolder::SysdataFolder() + "BIN00001.E");
        TEnvelopeSetup setup;
        setup.LayoutFile = "BIN00001.E";
        TEnvelopeForm::LoadLayout(Panel, setup);
    }

    // Runs as the window does, on a preview stream, from record `current`.
    TEnvelopeForm Run(TRecords records, bool fromCurrent, uint32_t current, TEnvelopeFeedSettings feed = {},
                      bool previewing = false)
    {
        Table->Table().go(current);
        TEnvelopeForm form(*Table, Panel, TEnvelopeSizes::Find(20), feed);
        form.SetRecords(records, fromCurrent);
        form.SetPreviewing(previewing);
        TReportFiler job(Pages);
        form.PreparePage(job);
        form.Run(job, [](TBaseReport& report) { report.Execute(); });
        return form;
    }
};

TEST_F(TEnvelopeFormTest, RecordChoiceDecidesTheEnvelopes)
{
    struct {
        const char* Name;
        TRecords Records;
        bool FromCurrent;
        uint32_t Current;
        const char* Filter;
        QStringList Printed;
        QStringList Messages;
    } const cases[] = {
        {"only current", TRecords::OnlyCurrent, false, 3, "", {"Cy Cole"}, {}},
        {"only current wins over start from current", TRecords::OnlyCurrent, true, 3, "", {"Cy Cole"}, {}},
        {"all records skip the deleted one", TRecords::All, false, 3, "", {"Ann Able", "Cy Cole", "Di Dunn"}, {}},
        {"all from the current record", TRecords::All, true, 3, "", {"Cy Cole", "Di Dunn"}, {}},
        {"filter from a record outside it", TRecords::MatchingFilter, true, 1, "LNAME>=\"C\"", {"Cy Cole", "Di Dunn"},
         {TRecordChoice::OutOfRangeMessage}},
        {"all records ignore the filter", TRecords::All, false, 4, "LNAME>=\"C\"", {"Ann Able", "Cy Cole", "Di Dunn"}, {}},
    };
    for (const auto& c : cases) {
        Prompts.Clear();
        Table->SetFilterText(c.Filter);
        const std::string condition = Table->Area().condition();
        const TEnvelopeForm form = Run(c.Records, c.FromCurrent, c.Current);
        EXPECT_EQ(Names(Pages), c.Printed) << c.Name;
        EXPECT_EQ(form.EnvelopesPrinted(), c.Printed.size()) << c.Name;
        EXPECT_EQ(Prompts.Texts(), c.Messages) << c.Name;
        // Query and record are put back.
        EXPECT_EQ(Table->Area().condition(), condition) << c.Name;
        EXPECT_EQ(Table->Table().recordNumber(), c.Current) << c.Name;
        EXPECT_FALSE(Panel.Printing);
        EXPECT_EQ(Panel.DataSet, nullptr);
    }
}

TEST_F(TEnvelopeFormTest, PageIsTheEnvelopeInTheFeedOrientationAtTheFeedOffsets)
{
    TEnvelopeFeedSettings landscape; // the defaults: landscape, down, centre
    Run(TRecords::OnlyCurrent, false, 1, landscape);
    ASSERT_EQ(Pages.PageCount(), 1);
    EXPECT_NEAR(Pages.Page(1).PageWidth().Value(), 9.5, 1e-3);
    EXPECT_NEAR(Pages.Page(1).PageHeight().Value(), 4.125, 0.01);

    // Portrait #10 paper, fed face up on the right: the layout moves by the room left over.
    TEnvelopeFeedSettings portrait{TFeedOrientation::foPortrait, TFeedFacing::ffUp, TFeedPosition::fpRight, false};
    const TEnvelopeForm form = Run(TRecords::OnlyCurrent, false, 1, portrait);
    EXPECT_NEAR(Pages.Page(1).PageWidth().Value(), 4.125, 0.01);
    EXPECT_EQ(form.Offsets(), (TEnvelopeOffsets{0, 0})); // 4.125 - 9.5 is negative
}

// The chosen printer, whose page loses a margin on each side.
class TMarginedPrinter : public TReportFiler {
public:
    using TReportFiler::TReportFiler;
    TInches UnprintableLeft() override { return 0.25_in; }
    TInches UnprintableTop() override { return 0.2_in; }
    TInches UnprintableRight() override { return 0.3_in; }
    TInches UnprintableBottom() override { return 0.35_in; }
};

TEST_F(TEnvelopeFormTest, PreviewShowsThePrintableAreaAndTheLayoutAtItsOffset)
{
    TEnvelopeFeedSettings feed{TFeedOrientation::foLandscape, TFeedFacing::ffDown, TFeedPosition::fpLeft, false};
    Table->Table().go(1);
    TEnvelopeForm form(*Table, Panel, TEnvelopeSizes::Find(20), feed);
    form.SetPreviewing(true);
    TPageStream unused;
    TMarginedPrinter printer(unused);
    form.SetPrintableAreaOf(printer); // the preview's own page stream has no unprintable margins
    TReportFiler job(Pages);
    job.SetPaper(1);
    job.SetOrientation(TOrientation::poLandscape);
    form.Run(job, [](TBaseReport& report) { report.Execute(); });
    EXPECT_EQ(form.Offsets(), (TEnvelopeOffsets{1.5f, 4.375f}));
    const auto& ops = Pages.Page(1).Operations();
    bool dotted = false, area = false;
    for (const TDisplayOp& op : ops) {
        if (const auto* pen = std::get_if<TPenOp>(&op); pen && pen->Style == Qt::DotLine && pen->Color == Qt::red)
            dotted = true;
        if (const auto* rect = std::get_if<TRectOp>(&op); rect && dotted && !area) {
            EXPECT_EQ(rect->Rect, (TInchRect{0.25_in, 0.2_in, 11_in - 0.3_in, 8.5_in - 0.35_in}));
            area = true;
        }
        if (const auto* text = std::get_if<TTextOp>(&op); text && text->Text == "FROM")
            EXPECT_GE(text->Anchor.X.Value(), 1.5);
    }
    EXPECT_TRUE(area);
}

TEST_F(TEnvelopeFormTest, MissingLayoutAndUnknownSizePrintNothing)
{
    TEnvelopeSetup gone;
    gone.LayoutFile = "BIN00009.E";
    try {
        TEnvelopeForm::LoadLayout(Panel, gone);
        FAIL() << "a missing layout file loaded";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Envelope definition file has been removed from the sysdata directory");
    }

    TEnvelopeForm form(*Table, Panel, TEnvelopeSizes::Find(99), {});
    TReportFiler job(Pages);
    bool ran = false;
    EXPECT_THROW(form.Run(job, [&](TBaseReport&) { ran = true; }), std::runtime_error);
    EXPECT_FALSE(ran);
}

TEST_F(TEnvelopeFormTest, StopEndsAfterTheCurrentEnvelope)
{
    Table->Table().go(1);
    TEnvelopeForm form(*Table, Panel, TEnvelopeSizes::Find(20), {});
    form.SetRecords(TRecords::All, false);
    form.SetPreviewing(true);
    TReportFiler job(Pages);
    form.PreparePage(job);
    job.OnProcessEvents = [&] { job.Stop(); };
    form.Run(job, [](TBaseReport& report) { report.Execute(); });
    EXPECT_EQ(Pages.PageCount(), 1);
    EXPECT_EQ(job.StatusMessage(job.StatusFormat), "Printing Page 1\r\r");
}

TEST_F(TEnvelopeFormTest, IntelligentMailSerialsStepPerEnvelopeAndAreKeptAfterRealRunsOnly)
{
    auto barcode = std::make_unique<TLIMBarCode>();
    barcode->BarcodeId = "00";
    barcode->ServiceTypeId = "270";
    barcode->MailerId = "123456";
    barcode->SerialStart = 100;
    Panel.AddObject(std::move(barcode), QRect(400, 300, 300, 16));
    const TIMbSerialStore store(TProgramFolder::SettingsFile());

    Run(TRecords::All, false, 1, {}, true); // a preview: nothing was mailed
    EXPECT_EQ(store.NextFree("123456"), -1);
    Run(TRecords::All, false, 1); // three envelopes: serials 100, 101, 102
    EXPECT_EQ(store.NextFree("123456"), 103);
    Run(TRecords::OnlyCurrent, false, 1);
    EXPECT_EQ(store.NextFree("123456"), 104);
}

} // namespace
