#include "TEnvelopeZones.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <cmath>

std::array<TEnvelopeZone, 4> TEnvelopeZones::Zones(int width, int height, double zoom, int pixelsPerInch, double length)
{
    const auto s = [&](double inches) { return int(std::trunc(inches * pixelsPerInch * zoom)); };
    const int W = width, H = height;
    std::array<TEnvelopeZone, 4> zones;
    zones[0] = {QStringLiteral("[Return Address Area]"), 1, 1, W / 2, std::min(H - s(2.75), H / 3), QPoint(3, 3)};
    zones[1] = {QStringLiteral("[Barcode Clear Zone]"), W - s(4), H - s(0.625), W - s(0.5), H - 1, {}};
    zones[2] = {QStringLiteral("[Address Area]"), length >= 10.25 ? W - s(9.75) : s(0.5), H - s(2.75), W - s(0.5),
                H - s(0.625), {}};
    zones[3] = {QStringLiteral("[FIM Area]"), W - s(3), 1, W - s(2), s(0.625), {}};
    zones[1].CaptionAt = QPoint(zones[1].Left + 2, zones[1].Top + 2);
    zones[2].CaptionAt = QPoint(zones[2].Left + 2, zones[2].Top + 2);
    zones[3].CaptionAt = QPoint(zones[3].Left + 2, zones[3].Top + 3);
    return zones;
}

void TEnvelopeZones::Paint(QPainter& painter, int width, int height, double zoom, int pixelsPerInch, double length)
{
    painter.save();
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(std::max(1.0, 8.0 * zoom));
    painter.setFont(font);
    for (const TEnvelopeZone& zone : Zones(width, height, zoom, pixelsPerInch, length)) {
        painter.setPen(QPen(Outline, 1));
        painter.setBrush(Fill);
        painter.drawRect(QRect(QPoint(zone.Left, zone.Top), QPoint(zone.Right - 1, zone.Bottom - 1)));
        const QRect text = painter.fontMetrics().boundingRect(zone.Caption);
        const QRect back(zone.CaptionAt, text.size());
        painter.fillRect(back, CaptionBackground);
        painter.setPen(Qt::black);
        painter.drawText(back, Qt::AlignLeft | Qt::AlignTop, zone.Caption);
    }
    painter.restore();
}

void TEnvelopeZones::PaintPrinterMargins(QPainter& painter, double zoom, int left, int top, int right, int bottom,
                                         int pageWidth, int pageHeight)
{
    painter.save();
    painter.setPen(QPen(Qt::red, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const auto z = [&](int pixels) { return int(std::trunc(pixels * zoom)); };
    painter.drawRect(QRect(QPoint(z(left), z(top)), QPoint(z(pageWidth - right), z(pageHeight - bottom))));
    painter.restore();
}
