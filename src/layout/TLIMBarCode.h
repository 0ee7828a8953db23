// The Intelligent Mail barcode object: the ZIP and address fields, the routing code digits and
// the tracking code parts (barcode id, service type, mailer id, first serial number). While a
// print run with a serial run on the panel prints, each piece takes its serial from that run;
// otherwise (screen, preview without a run) the object shows SerialStart. An object whose fields
// do not make a barcode shows the reason on screen and prints nothing.
#pragma once

#include "TBarList.h"
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

    // The serial the current piece carries.
    long long Serial() const;
    // The bars of the current record, or an empty list with the reason.
    TBarList Bars() const;

    void ShowData() override;
    void AdvanceCounter() override;
    void Paint(QPainter& painter) override;
    void Print(TBaseReport& report, TInches x, TInches y) override;

    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};
