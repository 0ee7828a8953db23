#include "TLPostNetBarCode.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"

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
