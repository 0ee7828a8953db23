// The POSTNET barcode object: which fields hold the ZIP code and the delivery address line, and
// which digits are encoded.
#pragma once

#include "TLBarCodeObject.h"

class TLPostNetBarCode : public TLBarCodeObject {
public:
    TLPostNetBarCode() : TLBarCodeObject(270, 16) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLPostNetBarCode"); }

    QString ZipCodeField;
    QString AddressField;
    TPostNetBarCodeType BarCodeType = TPostNetBarCodeType::pnbc11Digit;

    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};
