// Plays a recorded page onto a QPainter. The caller says how many device dots one inch is on
// that painter and which point of the sheet is the device origin (the unprintable offset of a
// printer, nothing for a PDF or the preview); fonts are scaled to the same resolution, so a
// page looks alike on a 1200 dpi printer and on the preview at 37%.
#pragma once

#include "TDisplayList.h"

#include <QFont>
#include <QPen>

class QPainter;

class TPagePainter {
public:
    TPagePainter(QPainter& painter, double dotsPerInchX, double dotsPerInchY, TInchPoint origin = {});

    // Clears the page to white (pixel devices only need it) and draws every operation.
    void PlayPage(const TDisplayList& page, bool paintBackground);
    void Play(const TDisplayOp& op);

    // The device pixels of a pen width: never thinner than one pixel.
    static double PenPixels(TInches width, double dotsPerInch);

private:
    QPointF Device(TInchPoint point) const;
    QRectF Device(const TInchRect& rect) const;

    void Apply(const TFontOp& op);
    void Apply(const TPenOp& op);
    void Apply(const TBrushOp& op);
    void Draw(const TTextOp& op);
    void Draw(const TClippedTextOp& op);
    void Draw(const TRectOp& op);
    void Draw(const TRoundRectOp& op);
    void Draw(const TEllipseOp& op);
    void Draw(const TLineOp& op);
    void Draw(const TFillRectOp& op);
    void Draw(const TImageOp& op);
    void Draw(const TPictureOp& op);

    QPainter& Painter;
    double DpiX;
    double DpiY;
    TInchPoint Origin;
    QColor TextColor = Qt::black;
    QPen ShapePen;
    QFont TextFont;
};
