// The postal barcode objects as the layout keeps them: POSTNET, FIM and Intelligent Mail. They
// read and write their stored properties here; their bars come from the barcode encoders, and
// until those are wired in they show a dashed outline on screen and print nothing.
#pragma once

#include "TLGraphicControl.h"

// The placeholder look shared by the barcode objects.
class TLBarCodeObject : public TLGraphicControl {
public:
    void Paint(QPainter& painter) override;

protected:
    using TLGraphicControl::TLGraphicControl;
};

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

class TLFIMBarCode : public TLBarCodeObject {
public:
    TLFIMBarCode() : TLBarCodeObject(51, 54) {}
    QByteArray ClassName() const override { return QByteArrayLiteral("TLFIMBarCode"); }

    TFIMBarCodeType FIMType = TFIMBarCodeType::fimTypeA;

    void WriteProperties(TLStreamWriter& writer) const override;
    bool ReadProperty(const QByteArray& name, const TLValue& value) override;
};

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
