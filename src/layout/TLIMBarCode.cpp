#include "TLIMBarCode.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"

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
