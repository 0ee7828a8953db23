// Printing onto the page-output engine: each kind's rectangle in inches, pens and brushes, and
// what prints nothing.
#include "layout/TLFIMBarCode.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLPostNetBarCode.h"
#include "layout/TLDataPanel.h"
#include "layout/TLImage.h"
#include "layout/TLLabelShapes.h"
#include "layout/TLLineShape.h"
#include "layout/TLDMultiLineLabel.h"
#include "layout/TLPDLabel.h"
#include "layout/TLPLabel.h"
#include "layout/TLPageNumberLabel.h"

#include "output/TPageStream.h"
#include "output/TReportFiler.h"

#include <QPainter>

#include <gtest/gtest.h>

#include "PrintedPanel.h"

namespace {

TInches Px(double pixels) { return TInches(pixels / 96.0); }

} // namespace

TEST(TLPrint, UprightTextIsRealTextAtTheScreensPlaces)
{
    TLBasePanel panel;
    auto* label = static_cast<TLPLabel*>(panel.AddObject(std::make_unique<TLPLabel>(), QRect(8, 16, 142, 20)));
    label->SetCaption(QStringLiteral("Ann"));
    label->DepthShadow = 2;
    label->BorderStyle = TBorderStyle::bsSingle;
    const TLTextLayout layout = label->Layout();
    const TDisplayList page = Printed(panel, 1.0_in, 0.5_in);
    const auto texts = page.OfKind<TClippedTextOp>();
    ASSERT_EQ(texts.size(), 2u); // shadow, then the text
    EXPECT_EQ(texts[1].Text, QStringLiteral("Ann"));
    EXPECT_EQ(texts[1].Start, (TInchPoint{Px(8 + layout.MainOrigin.x()) + 1.0_in, Px(16 + layout.Ascent) + 0.5_in}));
    EXPECT_NEAR((texts[0].Start.X - texts[1].Start.X).Value(), Px(2).Value(), 1e-12);
    EXPECT_EQ(page.OfKind<TFontOp>().back().Family, QStringLiteral("Arial"));
    EXPECT_DOUBLE_EQ(page.OfKind<TFontOp>().back().PointSize, 9.75);
    ASSERT_EQ(page.OfKind<TRectOp>().size(), 1u);
    EXPECT_EQ(page.OfKind<TRectOp>()[0].Rect, (TInchRect{Px(8) + 1.0_in, Px(16) + 0.5_in, Px(150) + 1.0_in, Px(16 + label->Height()) + 0.5_in}));
}

TEST(TLPrint, TurnedTextIsAPictureStretchedOverItsRectangle)
{
    TLBasePanel panel;
    auto* label = static_cast<TLPLabel*>(panel.AddObject(std::make_unique<TLPLabel>(), QRect(8, 16, 20, 142)));
    label->SetAngle(270);
    label->Layout();
    const auto pictures = Printed(panel).OfKind<TPictureOp>();
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].Rect, (TInchRect{Px(8), Px(16), Px(8 + label->Width()), Px(16 + label->Height())}));
    EXPECT_EQ(pictures[0].Frame, QRectF(0, 0, label->Width(), label->Height()));
}

TEST(TLPrint, DataObjectsWithoutAValuePrintNothing)
{
    TLRecordDataSource data;
    TLDataPanel panel;
    panel.DataSet = &data;
    auto* empty = static_cast<TLPDLabel*>(panel.AddObject(std::make_unique<TLPDLabel>(), QRect(0, 0, 100, 20)));
    empty->DataFieldDescript = QStringLiteral("Last Name");
    auto* unbound = static_cast<TLPDLabel*>(panel.AddObject(std::make_unique<TLPDLabel>(), QRect(0, 30, 100, 20)));
    unbound->DataFieldDescript = QStringLiteral("Nothing");
    auto* memo = static_cast<TLDMultiLineLabel*>(panel.AddObject(std::make_unique<TLDMultiLineLabel>(), QRect(0, 60, 100, 40)));
    memo->DataFieldDescript = QStringLiteral("Nothing");
    panel.RefreshData(); // the screen shows "<undefined field>"
    EXPECT_TRUE(Printed(panel).OfKind<TClippedTextOp>().empty());
    data.SetValue(QStringLiteral("LNAME"), QStringLiteral("Cole"));
    ASSERT_EQ(Printed(panel).OfKind<TClippedTextOp>().size(), 1u);
    EXPECT_EQ(Printed(panel).OfKind<TClippedTextOp>()[0].Text, QStringLiteral("Cole"));
}

TEST(TLPrint, LinesUseHundredthsOfAnInchAndHalfThePenWidth)
{
    TLBasePanel panel;
    auto* line = static_cast<TLLineShape*>(panel.AddObject(std::make_unique<TLLineShape>(), QRect(10, 20, 100, 30)));
    line->Pen.Width = 3;
    EXPECT_EQ(line->ScreenLine(1.0), QLine(1, 1, 99, 1));
    const std::pair<TLineStyle, TLineOp> cases[] = {
        {TLineStyle::stHorizontal, {{Px(10), Px(21)}, {Px(110), Px(21)}}},
        {TLineStyle::stVertical, {{Px(10), Px(21)}, {Px(10), Px(51)}}},
        {TLineStyle::stAngleSlopingUp, {{Px(10), Px(51)}, {Px(110), Px(21)}}},
        {TLineStyle::stAngleSlopingDown, {{Px(10), Px(21)}, {Px(110), Px(51)}}},
    };
    for (const auto& [style, expected] : cases) {
        line->LineStyle = style;
        const TDisplayList page = Printed(panel);
        ASSERT_EQ(page.OfKind<TLineOp>().size(), 1u);
        EXPECT_EQ(page.OfKind<TLineOp>()[0].From, expected.From);
        EXPECT_EQ(page.OfKind<TLineOp>()[0].To, expected.To);
        EXPECT_NEAR(page.OfKind<TPenOp>().back().Width.Value(), 0.03, 1e-9);
    }
}

TEST(TLPrint, ShapesTakeTheirPenBrushAndCorners)
{
    TLBasePanel panel;
    auto* shape = static_cast<TLLabelShapes*>(panel.AddObject(std::make_unique<TLLabelShapes>(), QRect(0, 0, 80, 40)));
    shape->Shape = TShapeType::stRoundSquare;
    shape->Pen.Width = 2;
    shape->SetTransparent(true);
    EXPECT_EQ(shape->CornerSize(), 20);
    const TDisplayList page = Printed(panel, 1.0_in);
    EXPECT_NEAR(page.OfKind<TPenOp>().back().Width.Value(), 0.02, 1e-9);
    EXPECT_EQ(page.OfKind<TBrushOp>().back().Style, Qt::NoBrush);
    ASSERT_EQ(page.OfKind<TRoundRectOp>().size(), 1u);
    const TRoundRectOp round = page.OfKind<TRoundRectOp>()[0];
    EXPECT_EQ(round.Rect, (TInchRect{1.0_in, {}, Px(80) + 1.0_in, Px(40)}));
    EXPECT_NEAR(round.CornerWidth.Value(), Px(80).Value() * 0.25, 1e-9);
    shape->Shape = TShapeType::stCircle;
    EXPECT_EQ(Printed(panel).OfKind<TEllipseOp>().size(), 1u);
}

TEST(TLPrint, ImagesStretchTheirBitmapAndFrameIt)
{
    TLBasePanel panel;
    auto* image = static_cast<TLImage*>(panel.AddObject(std::make_unique<TLImage>(), QRect(0, 0, 96, 48)));
    EXPECT_TRUE(Printed(panel).Operations().empty() || Printed(panel).OfKind<TImageOp>().empty());
    QImage pixels(2, 1, QImage::Format_RGB32);
    pixels.setPixel(0, 0, qRgb(255, 0, 0));
    pixels.setPixel(1, 0, qRgb(0, 0, 255));
    image->SetPicture(TLPicture::FromImage(pixels));
    image->Reverse = true;
    image->BorderStyle = TBorderStyle::bsSingle;
    const TDisplayList page = Printed(panel);
    ASSERT_EQ(page.OfKind<TImageOp>().size(), 1u);
    EXPECT_EQ(page.OfKind<TImageOp>()[0].Rect, (TInchRect{{}, {}, 1.0_in, 0.5_in}));
    EXPECT_EQ(page.OfKind<TImageOp>()[0].Image.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(page.OfKind<TRectOp>().size(), 1u);
}

TEST(TLPrint, BarcodePlaceholdersAndPageNumbers)
{
    TLBasePanel panel;
    panel.AddObject(std::make_unique<TLPostNetBarCode>(), QRect(0, 0, 50, 50));
    panel.AddObject(std::make_unique<TLIMBarCode>(), QRect(0, 0, 50, 50));
    EXPECT_TRUE(Printed(panel).OfKind<TRectOp>().empty());   // no record, no barcode
    auto* page = static_cast<TLPageNumberLabel*>(panel.AddObject(std::make_unique<TLPageNumberLabel>(), QRect(0, 0, 50, 20)));
    auto screen = [&] {
        QImage image(60, 30, QImage::Format_RGB32);
        QPainter painter(&image);
        page->Paint(painter);
        return page->Caption;
    };
    EXPECT_EQ(screen(), QStringLiteral("##"));
    ASSERT_EQ(Printed(panel).OfKind<TClippedTextOp>().size(), 1u);
    EXPECT_EQ(Printed(panel).OfKind<TClippedTextOp>()[0].Text, QStringLiteral("1"));
    EXPECT_EQ(screen(), QStringLiteral("##"));
}
