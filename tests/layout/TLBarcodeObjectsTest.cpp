// The postal barcode objects on paper: each prints its encoder's bars at its own place, bound to
// the record's fields, and the Intelligent Mail barcode numbers its pieces through a serial run.
#include "layout/TBarcodePrint.h"
#include "layout/TFimEncoder.h"
#include "layout/TIMbEncoder.h"
#include "layout/TIMbSerialStore.h"
#include "layout/TLDataPanel.h"
#include "layout/TLFIMBarCode.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLPostNetBarCode.h"
#include "layout/TPostNetEncoder.h"

#include "output/TPageStream.h"
#include "output/TReportFiler.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "PrintedPanel.h"

namespace {

// The page's rectangles are exactly `bars` moved to `origin`.
void ExpectBarsAt(const std::vector<TRectOp>& rects, const TBarList& bars, TInchPoint origin)
{
    ASSERT_FALSE(bars.Empty()) << bars.Reason;
    ASSERT_EQ(rects.size(), bars.Bars.size());
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const TBar& bar = bars.Bars[i];
        EXPECT_NEAR(rects[i].Rect.Left.Value(), origin.X.Value() + bar.Left, 1e-9) << i;
        EXPECT_NEAR(rects[i].Rect.Top.Value(), origin.Y.Value() + bar.Top, 1e-9) << i;
        EXPECT_NEAR(rects[i].Rect.Right.Value(), origin.X.Value() + bar.Left + bar.Width, 1e-9) << i;
        EXPECT_NEAR(rects[i].Rect.Bottom.Value(), origin.Y.Value() + bar.Top + bar.Height, 1e-9) << i;
    }
}

// The object painted on white at its zoom, with room to spare.
QImage OnScreen(TLGraphicControl& object)
{
    QImage image(600, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.Paint(painter);
    return image;
}

// The right-most column with a dark pixel, -1 when there is none.
int RightMostInk(const QImage& image)
{
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x;
    return -1;
}

} // namespace

TEST(TLBarcodeObjects, FimPrintsItsTypeAtTheObjectsPlace)
{
    const std::pair<TFIMBarCodeType, TFimKind> kinds[] = {
        {TFIMBarCodeType::fimTypeA, TFimKind::fkA},
        {TFIMBarCodeType::fimTypeB, TFimKind::fkB},
        {TFIMBarCodeType::fimTypeC, TFimKind::fkC},
    };
    for (const auto& [type, kind] : kinds) {
        TLBasePanel panel;
        auto* fim = static_cast<TLFIMBarCode*>(panel.AddObject(std::make_unique<TLFIMBarCode>(), QRect(96, 48, 60, 60)));
        fim->FIMType = type;
        const std::vector<TRectOp> rects = Printed(panel).OfKind<TRectOp>();
        ExpectBarsAt(rects, TFimEncoder::Encode(kind), {1.0_in, 0.5_in});
        if (type == TFIMBarCodeType::fimTypeA) {
            EXPECT_EQ(rects[0].Rect, (TInchRect{1.0_in, 0.5_in, 1.03125_in, 1.0625_in}));
        }
    }
}

TEST(TLBarcodeObjects, PostNetReadsTheRecordsZipAndStreet)
{
    TLRecordDataSource record;
    record.SetValue("ZIP", "12345-6789");
    record.SetValue("STREET", "123 MAIN ST APT 4  ");
    TLDataPanel panel;
    panel.DataSet = &record;
    auto* postnet = static_cast<TLPostNetBarCode*>(panel.AddObject(std::make_unique<TLPostNetBarCode>(), QRect(48, 96, 270, 16)));
    postnet->ZipCodeField = QStringLiteral("ZIP");
    postnet->AddressField = QStringLiteral("STREET");

    const struct {
        TPostNetBarCodeType Type;
        TRoutingDigits Routing;
        std::size_t Bars;
    } cases[] = {
        {TPostNetBarCodeType::pnbc5Digit, TRoutingDigits::rd5Digit, 32},
        {TPostNetBarCodeType::pnbc9Digit, TRoutingDigits::rd9Digit, 52},
        {TPostNetBarCodeType::pnbc11Digit, TRoutingDigits::rd11Digit, 62},
    };
    for (const auto& c : cases) {
        postnet->BarCodeType = c.Type;
        const std::vector<TRectOp> rects = Printed(panel, 0.25_in, 2.0_in).OfKind<TRectOp>();
        const TBarList expected = TPostNetEncoder::Encode("12345-6789", "123 MAIN ST APT 4", c.Routing);
        EXPECT_EQ(rects.size(), c.Bars);
        ExpectBarsAt(rects, expected, {0.75_in, 3.0_in});
    }
    EXPECT_EQ(TPostNetEncoder::Encode("12345-6789", "123 MAIN ST APT 4", TRoutingDigits::rd11Digit).Digits, "123456789041");   // delivery point 04, check digit 1

    // A field the data set lacks reads as empty text: no barcode, nothing printed.
    postnet->ZipCodeField = QStringLiteral("NOSUCH");
    EXPECT_TRUE(Printed(panel).OfKind<TRectOp>().empty());
    // Without a data set the object prints nothing either.
    panel.DataSet = nullptr;
    postnet->ZipCodeField = QStringLiteral("ZIP");
    panel.ClearAllData();
    EXPECT_TRUE(Printed(panel).OfKind<TRectOp>().empty());
}

TEST(TLBarcodeObjects, IntelligentMailNumbersEachPieceThroughTheRun)
{
    QTemporaryDir folder;
    const QString settings = folder.filePath("QUORVA.ini");
    TLRecordDataSource record;
    TLDataPanel panel;
    panel.DataSet = &record;
    auto* imb = static_cast<TLIMBarCode*>(panel.AddObject(std::make_unique<TLIMBarCode>(), QRect(96, 96, 300, 16)));
    imb->BarcodeId = QStringLiteral("00");
    imb->ServiceTypeId = QStringLiteral("270");
    imb->MailerId = QStringLiteral("123456");
    imb->SerialStart = 41;

    auto expected = [](long long serial, const char* zip, const char* street) {
        return TIMbEncoder::EncodeRecord(TIMbEncoder::TrackingCode("00", "270", "123456", serial), zip, street,
                                         TRoutingDigits::rd11Digit);
    };
    TIMbSerialStore(settings).WriteBack("123456", 100);   // a run before this one used up to 99
    {
        TIMbSerialRun run(TIMbSerialStore(settings), false);
        panel.SerialRun = &run;
        record.SetValue("ZIP", "12345-6789");
        record.SetValue("STREET", "12 1/2 MAIN ST");
        ExpectBarsAt(Printed(panel).OfKind<TRectOp>(), expected(100, "12345-6789", "12 1/2 MAIN ST"), {1.0_in, 1.0_in});
        panel.AdvanceCounters();
        record.SetValue("ZIP", "01234");
        record.SetValue("STREET", "");
        ExpectBarsAt(Printed(panel).OfKind<TRectOp>(), expected(101, "01234", ""), {1.0_in, 1.0_in});
        panel.AdvanceCounters();
        run.Finish();
        panel.SerialRun = nullptr;
    }
    EXPECT_EQ(TIMbSerialStore(settings).NextFree("123456"), 102);

    // Without a run (screen, a layout printed on its own) the piece carries SerialStart.
    EXPECT_EQ(imb->Serial(), 41);
    ExpectBarsAt(Printed(panel).OfKind<TRectOp>(), expected(41, "01234", ""), {1.0_in, 1.0_in});
}

TEST(TLBarcodeObjects, IntelligentMailWithIncompleteFieldsPrintsNothing)
{
    TLRecordDataSource record;
    record.SetValue("ZIP", "12345");
    TLDataPanel panel;
    panel.DataSet = &record;
    auto* imb = static_cast<TLIMBarCode*>(panel.AddObject(std::make_unique<TLIMBarCode>(), QRect(0, 0, 300, 16)));
    imb->BarcodeId = QStringLiteral("00");
    imb->ServiceTypeId = QStringLiteral("270");
    EXPECT_TRUE(Printed(panel).OfKind<TRectOp>().empty());   // no Mailer ID
    EXPECT_FALSE(imb->Bars().Reason.empty());

    imb->MailerId = QStringLiteral("123456");
    record.SetValue("ZIP", "1234");   // a ZIP that gives no routing gives no barcode
    EXPECT_TRUE(Printed(panel).OfKind<TRectOp>().empty());
    imb->RoutingType = TIMbRoutingType::imbrNone;   // ... unless the barcode carries none
    EXPECT_EQ(Printed(panel).OfKind<TRectOp>().size(), 65u);
}

TEST(TLBarcodeObjects, ScreenShowsThePictureTheBarsOrTheReason)
{
    TLRecordDataSource record;
    record.SetValue("ZIP", "12345-6789");
    TLDataPanel panel;
    panel.DataSet = &record;
    auto* postnet = static_cast<TLPostNetBarCode*>(panel.AddObject(std::make_unique<TLPostNetBarCode>(), QRect(0, 0, 270, 16)));
    postnet->SetZoom(2.0);
    const int postnetRight = RightMostInk(OnScreen(*postnet));   // BARCODEBITMAP stretched to 540 x 32
    EXPECT_GT(postnetRight, 500);
    EXPECT_LT(postnetRight, 540);

    auto* imb = static_cast<TLIMBarCode*>(panel.AddObject(std::make_unique<TLIMBarCode>(), QRect(0, 0, 300, 16)));
    imb->BarcodeId = QStringLiteral("00");
    imb->ServiceTypeId = QStringLiteral("270");
    panel.RefreshData();
    const QImage hint = OnScreen(*imb);   // no Mailer ID: the outline and the reason
    EXPECT_EQ(RightMostInk(hint), 299);
    imb->MailerId = QStringLiteral("123456");
    const TBarList bars = imb->Bars();
    ASSERT_FALSE(bars.Empty());
    const TBar& last = bars.Bars.back();   // the record's real bars: ink ends at the last bar
    EXPECT_NEAR(RightMostInk(OnScreen(*imb)), (last.Left + last.Width) * 96, 1.5);
}
