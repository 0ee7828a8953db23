// Barcodes on screen. The POSTNET object shows a fixed picture, BARCODEBITMAP (270 x 16
// pixels), drawn here once from real POSTNET bars so it looks like what will print; the FIM and
// Intelligent Mail objects paint their real bars at the designer's scale.
#pragma once

#include "TBarList.h"

#include <QImage>
#include <QPointF>

class QPainter;

class TBarcodeBitmap {
public:
    static constexpr int PostNetWidth = 270;
    static constexpr int PostNetHeight = 16;

    // The BARCODEBITMAP picture: black bars on white, built on first use.
    static const QImage& PostNet();
    // Black filled rectangles for the bars, `origin` in device pixels, `pixelsPerInch` the
    // designer's pixels per inch times its zoom.
    static void PaintBars(QPainter& painter, const TBarList& bars, QPointF origin, double pixelsPerInch);
};
