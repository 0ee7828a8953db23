// Every object kind draws within its frame: what the designer paints for an object lies inside
// the rectangle its selection frame shows, so a click on what is seen selects it and nothing
// is left outside the frame. The fixed-size barcodes fill their frame exactly, whatever size
// the drag that made them asked for.
#include "layout/TLBasePanel.h"
#include "layout/TLClassRegistry.h"
#include "layout/TLGraphicControl.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// The smallest rectangle holding every pixel the object painted on a transparent sheet.
QRect PaintedExtent(TLGraphicControl& object, QSize sheet)
{
    QImage image(sheet, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.translate(object.ViewRect().topLeft());
        object.Paint(painter);
    }
    QRect extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                extent |= QRect(x, y, 1, 1);
    return extent;
}

TEST(TLFrameAndPaint, EveryKindPaintsInsideItsFrameAndBarcodesFillIt)
{
    for (const QString& name : TLClassRegistry::ClassNames()) {
        SCOPED_TRACE(name.toStdString());
        TLBasePanel panel;
        std::unique_ptr<TLGraphicControl> made = TLClassRegistry::Create(name.toLatin1());
        ASSERT_NE(made, nullptr);
        // A small drag: the fixed-size barcodes must still end with frame and bars as one.
        TLGraphicControl* object = panel.AddObject(std::move(made), QRect(40, 30, 30, 20));
        ASSERT_NE(object, nullptr);
        for (const double zoom : {1.0, 0.5}) {
            SCOPED_TRACE(zoom);
            panel.SetZoom(zoom);
            const QRectF frameF = object->ViewRect();
            const QRect frame(frameF.topLeft().toPoint(), frameF.size().toSize());
            const QRect painted = PaintedExtent(*object, QSize(800, 200));
            if (painted.isEmpty())
                continue; // nothing to show (an empty picture, a field with no record)
            EXPECT_TRUE(frame.adjusted(0, 0, 1, 1).contains(painted))
                << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height() << " painted "
                << painted.x() << "," << painted.y() << " " << painted.width() << "x" << painted.height();
            if (name == "TLFIMBarCode" || name == "TLPostNetBarCode") {
                EXPECT_LE(std::abs(painted.width() - frame.width()), 1);
                EXPECT_LE(std::abs(painted.height() - frame.height()), 1);
            }
        }
    }
}

} // namespace
