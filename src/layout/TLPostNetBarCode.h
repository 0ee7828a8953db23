// The POSTNET barcode object: which fields hold the ZIP code and the delivery address line, and
// which digits are encoded. On screen it shows the BARCODEBITMAP picture at the zoom; on paper the
// record's real bars, at true size from the object's top-left corner.
#pragma once

#include "TBarList.h"
#include "TBarcodeBitmap.h"
#include "TLBarCodeObject.h"

class TLPostNetBarCode : public TLBarCodeObject {
public:
    TLPostNetBarCode() : TLBarCodeObject(270, 16) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLPostNetBarCode"); }

    QString ZipCodeField;
    QString AddressField;
    TPostNetBarCodeType BarCodeType = TPostNetBarCodeType::pnbc11Digit;

    TBarList Bars() const;

    void ShowData() override;
    void Paint(QPainter& painter) override;
    QSize DrawnSize() const override { return TBarcodeBitmap::PostNetScreenSize(1.0); }
    void Print(TBaseReport& report, TInches x, TInches y) override;

    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};
