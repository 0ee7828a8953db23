#include "TLBarCodeObjects.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"

#include <QPainter>

void TLBarCodeObject::Paint(QPainter& painter)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, Width() * Zoom() - 1, Height() * Zoom() - 1));
    painter.restore();
}

void TLPostNetBarCode::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    if (!ZipCodeField.isEmpty())
        writer.String("ZipCodeField", ZipCodeField);
    if (!AddressField.isEmpty())
        writer.String("AddressField", AddressField);
    writer.Ident("BarCodeType", kPostNetTypeNames, int(BarCodeType));
}

bool TLPostNetBarCode::ReadProperty(const QByteArray& name, const TLValue& value)
{
    if (name == "ZipCodeField")
        ZipCodeField = TLValueRead::String(value);
    else if (name == "AddressField")
        AddressField = TLValueRead::String(value);
    else if (name == "BarCodeType")
        BarCodeType = TLValueRead::EnumOf<TPostNetBarCodeType>(value, kPostNetTypeNames);
    else
        return TLGraphicControl::ReadProperty(name, value);
    return true;
}

void TLFIMBarCode::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    writer.Ident("FIMType", kFimTypeNames, int(FIMType));
}

bool TLFIMBarCode::ReadProperty(const QByteArray& name, const TLValue& value)
{
    if (name == "FIMType") {
        FIMType = TLValueRead::EnumOf<TFIMBarCodeType>(value, kFimTypeNames);
        return true;
    }
    return TLGraphicControl::ReadProperty(name, value);
}

void TLIMBarCode::WriteProperties(TLStreamWriter& writer) const
{
    TLGraphicControl::WriteProperties(writer);
    if (!ZipCodeField.isEmpty())
        writer.String("ZipCodeField", ZipCodeField);
    if (!AddressField.isEmpty())
        writer.String("AddressField", AddressField);
    writer.Ident("RoutingType", kIMbRoutingNames, int(RoutingType));
    if (!BarcodeId.isEmpty())
        writer.String("BarcodeId", BarcodeId);
    if (!ServiceTypeId.isEmpty())
        writer.String("ServiceTypeId", ServiceTypeId);
    if (!MailerId.isEmpty())
        writer.String("MailerId", MailerId);
    if (SerialStart != 0)
        writer.Integer("SerialStart", SerialStart);
}

bool TLIMBarCode::ReadProperty(const QByteArray& name, const TLValue& value)
{
    using namespace TLValueRead;
    if (name == "ZipCodeField")
        ZipCodeField = String(value);
    else if (name == "AddressField")
        AddressField = String(value);
    else if (name == "RoutingType")
        RoutingType = EnumOf<TIMbRoutingType>(value, kIMbRoutingNames);
    else if (name == "BarcodeId")
        BarcodeId = String(value);
    else if (name == "ServiceTypeId")
        ServiceTypeId = String(value);
    else if (name == "MailerId")
        MailerId = String(value);
    else if (name == "SerialStart")
        SerialStart = Integer(value);
    else
        return TLGraphicControl::ReadProperty(name, value);
    return true;
}
