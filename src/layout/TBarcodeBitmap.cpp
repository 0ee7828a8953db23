#include "TBarcodeBitmap.h"

#include "TBarcodeConstants.h"
#include "TPostNetEncoder.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

const QImage& TBarcodeBitmap::PostNet()
{
    static const QImage picture = [] {
        // Eleven digits and the check digit make 62 bars, which spread evenly over 270 pixels.
        const TBarList bars = TPostNetEncoder::EncodeDigits("12345678901");
        QImage image(PostNetWidth, PostNetHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const double pitch = double(PostNetWidth) / double(bars.Pattern.size());
        for (std::size_t i = 0; i < bars.Pattern.size(); ++i) {
            const int height = bars.Pattern[i] == '|' ? PostNetHeight : PostNetHeight * 7 / 16;
            painter.fillRect(QRect(int(double(i) * pitch + 1), PostNetHeight - height, 2, height), Qt::black);
        }
        return image;
    }();
    return picture;
}

QSize TBarcodeBitmap::PostNetScreenSize(double zoom)
{
    return {int(std::lround(PostNetWidth * zoom)), int(std::lround(PostNetHeight * zoom))};
}

int TBarcodeBitmap::FimScreenSide(double pixelsPerInch, double zoom)
{
    return int(pixelsPerInch * TBarcodeConstants::FimScreenSide * zoom);
}

QSizeF TBarcodeBitmap::FimScreenExtent(double pixelsPerInch, double zoom)
{
    return {pixelsPerInch * TBarcodeConstants::FimSlots * TBarcodeConstants::FimSlotWidth * zoom,
            pixelsPerInch * TBarcodeConstants::FimBarHeight * zoom};
}

void TBarcodeBitmap::PaintFim(QPainter& painter, TFimKind kind, double pixelsPerInch, double zoom)
{
    // In fractions of a pixel, so that a small zoom (the envelope thumbnail) still shows every
    // bar, at least one pixel wide, and the bars end where the object's frame does.
    const QSizeF extent = FimScreenExtent(pixelsPerInch, zoom);
    const double slot = extent.width() / TBarcodeConstants::FimSlots;
    const double bar = std::max(slot, 1.0);
    for (int n : TFimEncoder::Slots(kind))
        painter.fillRect(QRectF(std::min(slot * (n - 1), extent.width() - bar), 0, bar, extent.height()), Qt::black);
}

void TBarcodeBitmap::PaintBars(QPainter& painter, const TBarList& bars, QPointF origin, double pixelsPerInch)
{
    for (const TBar& bar : bars.Bars)
        painter.fillRect(QRectF(origin.x() + bar.Left * pixelsPerInch, origin.y() + bar.Top * pixelsPerInch,
                                bar.Width * pixelsPerInch, bar.Height * pixelsPerInch),
                         Qt::black);
}
