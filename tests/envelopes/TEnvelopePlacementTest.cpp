// Where the layout lands on the page for each feed, when the page is warned about, the postal
// zones of the design screen, and the feed and printer settings.
#include "envelopes/TEnvelopeFeedSettings.h"
#include "envelopes/TEnvelopePlacement.h"
#include "envelopes/TEnvelopeSizes.h"
#include "envelopes/TEnvelopeZones.h"

#include "output/TReportFiler.h"
#include "settings/TIniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using enum TFeedOrientation;
using enum TFeedFacing;
using enum TFeedPosition;

TEnvelopeFeedSettings Feed(TFeedOrientation orientation, TFeedFacing facing, TFeedPosition position, bool clockwise = false)
{
    return {orientation, facing, position, clockwise};
}

struct TPlacementCase {
    const char* Name;
    double PageWidth, PageHeight;
    int Code;
    TEnvelopeFeedSettings FeedSettings;
    float Horizontal, Vertical;
};

QPageSize::PageSizeId DL = QPageSize::EnvelopeDL;

TEST(TEnvelopePlacementTest, OffsetsFollowTheFeed)
{
    const double dlWidth = QPageSize(DL).size(QPageSize::Inch).width();
    const double dlHeight = QPageSize(DL).size(QPageSize::Inch).height();
    const TPlacementCase cases[] = {
        {"page is the envelope: 0,0 whatever the feed", 9.5, 4.125, 20, Feed(foPortrait, ffUp, fpRight), 0, 0},
        {"longer than Letter, centred: negative becomes 0", 8.5, 11, 20, Feed(foPortrait, ffUp, fpCenter), 0, 0},
        {"down, landscape, left on landscape Letter", 11, 8.5, 20, Feed(foLandscape, ffDown, fpLeft), 1.5f, 4.375f},
        {"down, landscape, right", 11, 8.5, 20, Feed(foLandscape, ffDown, fpRight), 1.5f, 0},
        {"down, landscape, centre", 11, 8.5, 20, Feed(foLandscape, ffDown, fpCenter), 1.5f, 2.1875f},
        {"up, landscape, right", 11, 8.5, 20, Feed(foLandscape, ffUp, fpRight), 1.5f, 4.375f},
        {"up, landscape, left", 11, 8.5, 20, Feed(foLandscape, ffUp, fpLeft), 1.5f, 0},
        {"clockwise starts at the left edge", 11, 8.5, 20, Feed(foLandscape, ffUp, fpRight, true), 0, 4.375f},
        {"down, clockwise, left", 11, 8.5, 20, Feed(foLandscape, ffDown, fpLeft, true), 0, 4.375f},
        {"up, portrait, right", 10.5, 12, 20, Feed(foPortrait, ffUp, fpRight), 1.0f, 0},
        {"up, portrait, left", 10.5, 12, 20, Feed(foPortrait, ffUp, fpLeft), 0, 0},
        {"down, portrait, left is the far side", 10.5, 12, 20, Feed(foPortrait, ffDown, fpLeft), 1.0f, 0},
        {"down, portrait, right", 10.5, 12, 20, Feed(foPortrait, ffDown, fpRight), 0, 0},
        {"down, portrait, centre", 10.5, 12, 20, Feed(foPortrait, ffDown, fpCenter), 0.5f, 0},
        {"metric DL at 25 mm to the inch on a true DL page: both short, 0", dlHeight, dlWidth, 27,
         Feed(foLandscape, ffDown, fpCenter), 0, 0},
        {"DL on landscape Letter, centred", 11, 8.5, 27, Feed(foLandscape, ffUp, fpCenter), 2.2f, 2.05f},
        {"same tenths count as the same page", 9.55, 4.15, 20, Feed(foLandscape, ffDown, fpLeft), 0, 0},
    };
    for (const TPlacementCase& c : cases) {
        const TEnvelopeSize size = TEnvelopeSizes::Find(c.Code);
        const TEnvelopeOffsets offsets =
            TEnvelopePlacement::Offsets(c.PageWidth, c.PageHeight, size.Length, size.Width, c.FeedSettings);
        EXPECT_NEAR(offsets.Horizontal, c.Horizontal, 1e-4) << c.Name;
        EXPECT_NEAR(offsets.Vertical, c.Vertical, 1e-4) << c.Name;
    }
}

TEST(TEnvelopePlacementTest, WarningOnlyBeyondOneInchEitherWay)
{
    struct {
        double PageWidth, PageHeight;
        bool Warned;
    } const cases[] = {
        {9.5, 4.125, false}, {10.4, 4.125, false}, {10.51, 4.125, true}, {8.6, 4.125, false},
        {8.49, 4.125, true}, {9.5, 5.125, false},  {9.5, 5.135, true},   {4.125, 9.5, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TEnvelopePlacement::PageMismatch(c.PageWidth, c.PageHeight, 9.5, 4.125), c.Warned)
            << c.PageWidth << " x " << c.PageHeight;
}

TEST(TEnvelopeZonesTest, ZonesAtBothZooms)
{
    struct {
        int Code;
        double Zoom;
        int ReturnBottom, AddressLeft, BarcodeLeft, FimLeft;
    } const cases[] = {
        // #9: H - 2.75 in (1.125 in) is below a third of the height.
        {19, 1.0, 108, 48, 852 - 384, 852 - 288},
        {19, 1.5, 162, 72, 1278 - 576, 1278 - 432},
        // #10 is under 10.25 inches long: the address area starts half an inch from the left.
        {20, 1.0, 132, 48, 912 - 384, 912 - 288},
        {20, 1.5, 198, 72, 1368 - 576, 1368 - 432},
        // #12 (11 inches): 9.75 inches from the right edge, 1.25 from the left.
        {22, 1.0, 152, 120, 1056 - 384, 1056 - 288},
        {22, 1.5, 228, 180, 1584 - 576, 1584 - 432},
        // B4 is 10 inches high: a third of it.
        {33, 1.0, 320, 1356 - 936, 1356 - 384, 1356 - 288},
        {33, 1.5, 480, 2033 - 1404, 2033 - 576, 2033 - 432},
    };
    for (const auto& c : cases) {
        const TEnvelopeSize size = TEnvelopeSizes::Find(c.Code);
        const int width = int(std::lround(96 * size.Length * c.Zoom));
        const int height = int(std::lround(96 * size.Width * c.Zoom));
        const auto zones = TEnvelopeZones::Zones(width, height, c.Zoom, 96, size.Length);
        const QString what = QStringLiteral("code %1 at %2").arg(c.Code).arg(c.Zoom);
        EXPECT_EQ(zones[0].Caption, "[Return Address Area]");
        EXPECT_EQ(QRect(zones[0].Left, zones[0].Top, zones[0].Right, zones[0].Bottom), QRect(1, 1, width / 2, c.ReturnBottom))
            << what.toStdString();
        EXPECT_EQ(zones[2].Left, c.AddressLeft) << what.toStdString();
        EXPECT_EQ(zones[2].Right, width - int(96 * 0.5 * c.Zoom)) << what.toStdString();
        EXPECT_EQ(zones[1].Left, c.BarcodeLeft) << what.toStdString();
        EXPECT_EQ(zones[1].Bottom, height - 1);
        EXPECT_EQ(zones[3].Left, c.FimLeft) << what.toStdString();
        EXPECT_EQ(zones[3].CaptionAt, QPoint(c.FimLeft + 2, 4));
    }
}

TEST(TEnvelopeFeedSettingsTest, DefaultsRoundTripAndCommandLineForm)
{
    QTemporaryDir folder;
    const QString ini = folder.filePath("QUORVA.ini");
    EXPECT_EQ(TEnvelopeFeedSettings::Read(ini), Feed(foLandscape, ffDown, fpCenter));
    const TEnvelopeFeedSettings written = Feed(foPortrait, ffUp, fpRight, true);
    written.Write(ini);
    EXPECT_EQ(TEnvelopeFeedSettings::Read(ini), written);
    EXPECT_EQ(TIniFile(ini).ReadString("Envelope Feed", "Position", ""), "1");

    EXPECT_EQ(TEnvelopeFeedSettings::Parse("landscape,down,left,clockwise"), Feed(foLandscape, ffDown, fpLeft, true));
    EXPECT_EQ(TEnvelopeFeedSettings::Parse("Portrait,UP,center"), Feed(foPortrait, ffUp, fpCenter));
    for (const char* bad : {"", "landscape,down", "sideways,up,left", "portrait,up,middle", "portrait,up,left,anticlockwise",
                            "portrait,up,left,clockwise,x"})
        EXPECT_THROW(TEnvelopeFeedSettings::Parse(bad), std::invalid_argument) << bad;

    EXPECT_EQ(Feed(foLandscape, ffDown, fpLeft, true).Description(),
              "Position: Left\r\nOrientation : Landscape\r\nClockwise Rotation\r\nFacing Down");
    EXPECT_EQ(Feed(foPortrait, ffUp, fpCenter).Description(), "Position: Center\r\nOrientation : Portrait\r\nFacing Up");
}

TEST(TEnvelopePrinterSettingsTest, StoredNameFirstThenTheNameBeforeOn)
{
    EXPECT_EQ(TEnvelopePrinterSettings::PrinterNameCandidates("Laser on LPT1:"), QStringList({"Laser on LPT1:", "Laser"}));
    EXPECT_EQ(TEnvelopePrinterSettings::PrinterNameCandidates("Print ON Demand ON ne01:"),
              QStringList({"Print ON Demand ON ne01:", "Print"}));
    EXPECT_EQ(TEnvelopePrinterSettings::PrinterNameCandidates("Laser"), QStringList({"Laser"}));
    EXPECT_EQ(TEnvelopePrinterSettings::PrinterNameCandidates("Bon Voyage"), QStringList({"Bon Voyage"}));

    // Applied to a job: the port ending is dropped, an unknown name changes nothing.
    TPrinterSelection::SetPdfPrinterOffered(true);
    TPageStream pages;
    TReportFiler job(pages);
    TEnvelopePrinterSettings stored;
    stored.Printer = TPrinterSelection::PdfPrinterName() + " on FILE:";
    stored.Orientation = 1;
    stored.Apply(job);
    EXPECT_EQ(job.Printers().PrinterName(), TPrinterSelection::PdfPrinterName());
    EXPECT_EQ(job.Orientation(), TOrientation::poLandscape);
    stored.Printer = "No such printer";
    stored.Orientation = 0;
    stored.Apply(job);
    EXPECT_EQ(job.Printers().PrinterName(), TPrinterSelection::PdfPrinterName());
    EXPECT_EQ(job.Orientation(), TOrientation::poPortrait);
}

} // namespace
