#include "TLFIMBarCode.h"

#include "TLStreamWriter.h"
#include "TLValueRead.h"

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
