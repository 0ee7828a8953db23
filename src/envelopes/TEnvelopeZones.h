// The postal automation zones the envelope design screen can lay over a layout: the return
// address area, the barcode clear zone, the address area and the FIM area, measured from the
// envelope's edges in the view's pixels (W x H the panel as shown, z the zoom). They are
// guides only and never printed.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>

class QPainter;

struct TEnvelopeZone {
    QString Caption;
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    QPoint CaptionAt;
};

class TEnvelopeZones {
public:
    static constexpr QColor Fill{239, 239, 239};
    static constexpr QColor Outline{128, 128, 128};
    static constexpr QColor CaptionBackground{192, 192, 192};

    // W and H the shown panel in pixels, `length` the envelope's length in inches.
    static std::array<TEnvelopeZone, 4> Zones(int width, int height, double zoom, int pixelsPerInch, double length);
    // The zones filled, outlined and captioned ("Arial" at 8 x zoom points, black on silver).
    static void Paint(QPainter& painter, int width, int height, double zoom, int pixelsPerInch, double length);
    // The printer's printable area as a red dotted one-pixel rectangle; the widths and page
    // size in screen pixels at zoom 1.0.
    static void PaintPrinterMargins(QPainter& painter, double zoom, int left, int top, int right, int bottom,
                                    int pageWidth, int pageHeight);
};
