// The FIM object: a Facing Identification Mark of type A, B or C near the top of an envelope.
#pragma once

#include "TLBarCodeObject.h"

class TLFIMBarCode : public TLBarCodeObject {
public:
    TLFIMBarCode() : TLBarCodeObject(51, 54) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLFIMBarCode"); }

    TFIMBarCodeType FIMType = TFIMBarCodeType::fimTypeA;

    void Paint(QPainter& painter) override;
    // The 17 bar slots by the bar height, in layout pixels.
    QSize DrawnSize() const override;
    void Print(TBaseReport& report, TInches x, TInches y) override;

    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};
