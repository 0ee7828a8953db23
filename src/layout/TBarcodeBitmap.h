// Barcodes on screen. The POSTNET object shows a fixed picture, BARCODEBITMAP (270 x 16
// pixels), drawn here once from real POSTNET bars so it looks like what will print; the FIM and
// Intelligent Mail objects paint their real bars at the designer's scale.
#pragma once

#include "TBarList.h"
#include "TFimEncoder.h"

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QSizeF>

class QPainter;

class TBarcodeBitmap {
public:
    static constexpr int PostNetWidth = 270;
    static constexpr int PostNetHeight = 16;

    // The BARCODEBITMAP picture: black bars on white, built on first use.
    static const QImage& PostNet();
    // The POSTNET object's size on screen: the picture's, times the zoom, rounded.
    static QSize PostNetScreenSize(double zoom);

    // The square of 0.625 inch, trunc(ppi x 0.625 x zoom) pixels, that holds a FIM.
    static int FimScreenSide(double pixelsPerInch, double zoom);
    // The FIM's bars on screen: 17 slots of 1/32 inch by 0.5625 inch from the top-left corner
    // (51 x 54 pixels at 96 per inch); what the object draws and its frame.
    static QSizeF FimScreenExtent(double pixelsPerInch, double zoom);
    static void PaintFim(QPainter& painter, TFimKind kind, double pixelsPerInch, double zoom);
    // Black filled rectangles for the bars, `origin` in device pixels, `pixelsPerInch` the
    // designer's pixels per inch times its zoom.
    static void PaintBars(QPainter& painter, const TBarList& bars, QPointF origin, double pixelsPerInch);
};
