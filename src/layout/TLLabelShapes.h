// Rectangles, rounded rectangles and ellipses (squares and circles draw as their plain kinds).
// `Transparent` and the brush style follow each other: transparent is a clear brush.
// Trpshapes is the same object on report bands.
#pragma once

#include "TLFont.h"
#include "TLGraphicControl.h"

class TLLabelShapes : public TLGraphicControl {
public:
    TLLabelShapes() : TLGraphicControl(25, 25) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLLabelShapes"); }

    TShapeType Shape = TShapeType::stRectangle;
    TLPen Pen;
    TLBrush Brush;
    int RoundPerc = 25;

    bool Transparent() const { return Brush.Style == TBrushStyleValue::bsClear; }
    void SetTransparent(bool transparent);
    // The corner of rounded kinds on screen at zoom 1.0: RoundPerc % of the larger side.
    int CornerSize() const;

    void Paint(QPainter& painter) override;
    void Print(TBaseReport& report, TInches x, TInches y) override;
    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;

private:
    bool IsRound() const { return Shape == TShapeType::stRoundRect || Shape == TShapeType::stRoundSquare; }
    bool IsEllipse() const { return Shape == TShapeType::stEllipse || Shape == TShapeType::stCircle; }
};

class Trpshapes : public TLLabelShapes {
public:
    QByteArray ClassName() const override { return QByteArrayLiteral("Trpshapes"); }
};
