// Barcodes on a page of the page-output engine and on screen.
#include "layout/TBarcodeBitmap.h"
#include "layout/TBarcodePrint.h"
#include "layout/TFimEncoder.h"
#include "layout/TPostNetEncoder.h"

#include "output/TReportFiler.h"

#include <QPainter>
#include <gtest/gtest.h>

#include "BarcodeTestApplication.h"

namespace {

class BarcodePrintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureQtApplication(); }
};

TDisplayList PrintOnePage(const TBarList& bars, TInchPoint origin)
{
    TPageStream stream;
    TReportFiler job(stream);
    job.OnPrint = [&](TBaseReport& report) {
        report.SetPen(Qt::red, Qt::DashLine, 5);   // left over from an earlier object
        TBarcodePrint::Print(report, bars, origin);
    };
    EXPECT_TRUE(job.Execute());
    return stream.Page(1);
}

TEST_F(BarcodePrintTest, FimBarsLandAtTheObjectsPlaceInInches)
{
    const TInchPoint origin = TBarcodePrint::Origin(QPoint(96, 48), 96, {});
    const TDisplayList page = PrintOnePage(TFimEncoder::Encode(TFimKind::fkA), origin);
    const std::vector<TRectOp> rects = page.OfKind<TRectOp>();
    ASSERT_EQ(rects.size(), 5u);
    EXPECT_EQ(rects[0].Rect, (TInchRect{1.0_in, 0.5_in, 1.03125_in, 1.0625_in}));
    EXPECT_EQ(rects[4].Rect, (TInchRect{1.5_in, 0.5_in, 1.53125_in, 1.0625_in}));   // slot 17

    const TBrushOp brush = page.OfKind<TBrushOp>().back();
    EXPECT_EQ(brush.Color, QColor(Qt::black));
    EXPECT_EQ(brush.Style, Qt::SolidPattern);
    const TPenOp pen = page.OfKind<TPenOp>().back();
    EXPECT_EQ(pen.Color, QColor(Qt::black));
    EXPECT_EQ(pen.Style, Qt::SolidLine);
    EXPECT_EQ(pen.Mode, TPenMode::pmCopy);
}

TEST_F(BarcodePrintTest, PostNetStandsOnOneBaseLineAtThePageOffset)
{
    const TInchPoint origin = TBarcodePrint::Origin(QPoint(48, 96), 96, {0.25_in, 2.0_in});
    const std::vector<TRectOp> rects =
        PrintOnePage(TPostNetEncoder::Encode("12345-6789", "", TRoutingDigits::rd9Digit), origin).OfKind<TRectOp>();
    ASSERT_EQ(rects.size(), 52u);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_NEAR(rects[i].Rect.Left.Value(), 0.75 + double(i) * 0.046, 1e-12) << i;
        EXPECT_NEAR(rects[i].Rect.Bottom.Value(), 3.125, 1e-12) << i;
    }
}

TEST_F(BarcodePrintTest, NoBarcodeDrawsNothing)
{
    const TDisplayList page = PrintOnePage(TPostNetEncoder::Encode("K1A 0B1", "", TRoutingDigits::rd11Digit), {});
    EXPECT_TRUE(page.OfKind<TRectOp>().empty());
    EXPECT_EQ(page.OfKind<TPenOp>().back().Color, QColor(Qt::red));   // not even the pen changed
}

TEST_F(BarcodePrintTest, ScreenPictureAndBars)
{
    const QImage& picture = TBarcodeBitmap::PostNet();
    EXPECT_EQ(picture.size(), QSize(270, 16));
    EXPECT_EQ(picture.pixelColor(2, 0), QColor(Qt::black));    // the left frame bar, full height
    EXPECT_EQ(picture.pixelColor(0, 15), QColor(Qt::white));

    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TBarcodeBitmap::PaintBars(painter, TFimEncoder::Encode(TFimKind::fkA), QPointF(10, 10), 96);
    painter.end();
    EXPECT_EQ(image.pixelColor(11, 60), QColor(Qt::black));    // slot 1: x 10..13, y 10..64
    EXPECT_EQ(image.pixelColor(11, 70), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(29, 30), QColor(Qt::white));    // type A has no bar in slot 7
}

TEST_F(BarcodePrintTest, ScreenSizesFollowTheZoom)
{
    EXPECT_EQ(TBarcodeBitmap::PostNetScreenSize(1.0), QSize(270, 16));
    EXPECT_EQ(TBarcodeBitmap::PostNetScreenSize(1.5), QSize(405, 24));
    EXPECT_EQ(TBarcodeBitmap::PostNetScreenSize(0.33), QSize(89, 5));
    EXPECT_EQ(TBarcodeBitmap::FimScreenSide(96, 1.0), 60);
    EXPECT_EQ(TBarcodeBitmap::FimScreenSide(96, 0.5), 30);

    // At 96 ppi and zoom 2 a slot is 6 pixels and a bar 108 high: type C's slot 17 is x 96..101.
    QImage image(110, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TBarcodeBitmap::PaintFim(painter, TFimKind::fkC, 96, 2.0);
    painter.end();
    EXPECT_EQ(image.pixelColor(96, 107), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(101, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(102, 50), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(96, 108), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(30, 50), QColor(Qt::white));     // slot 6 never holds a bar
}

} // namespace
