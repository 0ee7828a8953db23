// Pictures of the envelope windows for looking at them: run with QUORVANE_SHOTS=DIR (under a
// display, e.g. xvfb-run); skipped otherwise.
#include "EnvelopeTestTable.h"

#include "envelopes/TEnvelopeDesignScreen.h"
#include "envelopes/TEnvelopeFeed.h"
#include "envelopes/TEnvelopeForm.h"
#include "envelopes/TEnvelopePrePrint.h"
#include "envelopes/TQVEnvelopes.h"

#include "layout/TLFIMBarCode.h"
#include "layout/TLayoutDesigner.h"
#include "output/TReportFiler.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>

namespace {

// A printer that cannot reach the outer quarter inch, so the margins show.
class TMarginPrinter : public TReportFiler {
public:
    using TReportFiler::TReportFiler;
    TInches UnprintableLeft() override { return 0.25_in; }
    TInches UnprintableTop() override { return 0.2_in; }
    TInches UnprintableRight() override { return 0.25_in; }
    TInches UnprintableBottom() override { return 0.3_in; }
};

class EnvelopeScreenshots : public EnvelopeTestTable {
protected:
    QString Folder = qEnvironmentVariable("QUORVANE_SHOTS");
    void Shot(QWidget& widget, const QString& name)
    {
        widget.show();
        QApplication::processEvents();
        widget.grab().save(QDir(Folder).filePath(name + ".png"));
    }
};

TEST_F(EnvelopeScreenshots, Windows)
{
    if (Folder.isEmpty())
        GTEST_SKIP() << "set QUORVANE_SHOTS to a folder";
    QDir().mkpath(Folder);
    Create({{"FNAME=Ann", "LNAME=Able", "ORG=Acme Supply", "STREET=1 Main St", "CITY=Springfield", "STATE=IL", "ZIP=62701"}});
    Table->SetExtraFields(true);
    {
        auto setups = TEnvelopeSetups::Open();
        TEnvelopeSetup setup;
        setup.Description = "Business #10";
        setups->Save(setup, [](const QString& path) {
            TEnvelopePanel panel;
            panel.SetSize(912, 396);
            panel.AddObject(panel.CreateObject(TLPanelState::psAddressLabel), QRect(400, 190, 320, 90));
            panel.AddObject(panel.CreateObject(TLPanelState::psPostNetBarCode), QRect(400, 290, 280, 16));
            panel.AddObject(std::make_unique<TLFIMBarCode>(), QRect(640, 0, 60, 60));
            auto from = panel.CreateObject(TLPanelState::psLabel);
            static_cast<TLPLabel*>(from.get())->SetCaption("Northwind, 1 Depot Rd, Ames IA 50010");
            panel.AddObject(std::move(from), QRect(10, 10, 300, 20));
            panel.SaveToFile(path);
        });
    }
    {
        auto screen = TQVEnvelopes::Create(*Table);
        Shot(*screen, "setup-screen");
    }
    {
        auto setups = TEnvelopeSetups::Open();
        TPageStream pages;
        TMarginPrinter printer(pages);
        printer.SetPaper(20);
        printer.SetOrientation(TOrientation::poLandscape);
        TEnvelopeDesignScreen design(*setups, setups->Setups().front(), false, Table.get(), &printer);
        design.resize(1100, 700);
        design.show();
        design.SetShowZones(true);
        design.SetShowMargins(true);
        for (int zoom : {50, 150}) {
            design.Designer().SetZoomPercent(zoom);
            QApplication::processEvents();
            Shot(design, QStringLiteral("design-%1").arg(zoom));
            design.Picture().save(QDir(Folder).filePath(QStringLiteral("design-panel-%1.png").arg(zoom)));
        }
    }
    {
        TEnvelopePanel panel;
        TEnvelopeForm form(*Table, panel, TEnvelopeSizes::Find(20),
                           {TFeedOrientation::foPortrait, TFeedFacing::ffUp, TFeedPosition::fpCenter, false});
        TPageStream pages;
        TReportFiler job(pages);
        job.SetPaper(1);
        TEnvelopePrePrint dialog(job, form);
        Shot(dialog, "confirm-warning");
    }
    using enum TFeedOrientation;
    using enum TFeedFacing;
    using enum TFeedPosition;
    const TEnvelopeFeedSettings states[] = {
        {foPortrait, ffUp, fpLeft, false},    {foPortrait, ffDown, fpCenter, false}, {foLandscape, ffUp, fpRight, false},
        {foLandscape, ffDown, fpCenter, false}, {foLandscape, ffUp, fpLeft, true}, {foLandscape, ffDown, fpRight, true},
        {foPortrait, ffUp, fpRight, false}};
    int n = 0;
    for (const TEnvelopeFeedSettings& state : states) {
        TEnvelopeFeed feed(state);
        Shot(feed, QStringLiteral("feed-%1").arg(++n));
    }
}

} // namespace
