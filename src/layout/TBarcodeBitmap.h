// Barcodes on screen. The POSTNET object shows a fixed picture, BARCODEBITMAP (270 x 16
// pixels), drawn here once from real POSTNET bars so it looks like what will print; the FIM and
// Intelligent Mail objects paint their real bars at the designer's scale.
#pragma once

#include "TBarList.h"
#include "TFimEncoder.h"

#include <QImage>
#include <QPointF>
#include <QSize>

class QPainter;

class TBarcodeBitmap {
public:
    static constexpr int PostNetWidth = 270;
    static constexpr int PostNetHeight = 16;

    // The BARCODEBITMAP picture: black bars on white, built on first use.
    static const QImage& PostNet();
    // The POSTNET object's size on screen: the picture's, times the zoom, rounded.
    static QSize PostNetScreenSize(double zoom);

    // The FIM object on screen: a square of 0.625 inch, trunc(ppi x 0.625 x zoom) pixels, whose
    // bar slots are trunc(ppi x 1/32 x zoom) wide and trunc(ppi x 0.5625 x zoom) high from its
    // top-left corner; whole pixels, so the bars stay evenly spaced at every zoom.
    static int FimScreenSide(double pixelsPerInch, double zoom);
    static void PaintFim(QPainter& painter, TFimKind kind, double pixelsPerInch, double zoom);
    // Black filled rectangles for the bars, `origin` in device pixels, `pixelsPerInch` the
    // designer's pixels per inch times its zoom.
    static void PaintBars(QPainter& painter, const TBarList& bars, QPointF origin, double pixelsPerInch);
};
