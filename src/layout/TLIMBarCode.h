// The Intelligent Mail barcode object: the ZIP and address fields, the routing code digits and
// the tracking code parts (barcode id, service type, mailer id, first serial number).
#pragma once

#include "TLBarCodeObject.h"

class TLIMBarCode : public TLBarCodeObject {
public:
    TLIMBarCode() : TLBarCodeObject(300, 16) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLIMBarCode"); }

    QString ZipCodeField = QStringLiteral("ZIP");
    QString AddressField = QStringLiteral("STREET");
    TIMbRoutingType RoutingType = TIMbRoutingType::imbr11Digit;
    QString BarcodeId;
    QString ServiceTypeId;
    QString MailerId;
    int SerialStart = 0;

    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};
