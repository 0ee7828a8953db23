// A line: horizontal, vertical or sloping corner to corner across the object, with a pen whose
// width is in layout pixels on screen and in hundredths of an inch on paper.
#pragma once

#include "TLFont.h"
#include "TLGraphicControl.h"

#include <QLine>

class TLLineShape : public TLGraphicControl {
public:
    TLLineShape() : TLGraphicControl(10, 10) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLLineShape"); }

    TLineStyle LineStyle = TLineStyle::stHorizontal;
    TLPen Pen;

    // Horizontal lines take the panel's width from 0, vertical ones its height.
    void StretchToEdges();

    // The line on a view at `zoom`, in the object's own pixels.
    QLine ScreenLine(double zoom) const;

    void Paint(QPainter& painter) override;
    void Print(TBaseReport& report, TInches x, TInches y) override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};
