#include "TLPostNetBarCode.h"

#include "TBarcodeBitmap.h"
#include "TBarcodePrint.h"
#include "TLStreamWriter.h"
#include "TPostNetEncoder.h"
#include "TLValueRead.h"

#include <QPainter>

TBarList TLPostNetBarCode::Bars() const
{
    return TPostNetEncoder::Encode(ZipText.toStdString(), StreetText.toStdString(), RoutingOf(BarCodeType));
}

void TLPostNetBarCode::ShowData()
{
    ShowAddress(ZipCodeField, AddressField);
}

void TLPostNetBarCode::Paint(QPainter& painter)
{
    // Smoothed, so that at a small zoom (the envelope thumbnail) the bars thin to grey rather
    // than dropping out one by one.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, Zoom() < 1.0);
    painter.drawImage(QRect(QPoint(0, 0), TBarcodeBitmap::PostNetScreenSize(Zoom())), TBarcodeBitmap::PostNet());
    painter.restore();
}

void TLPostNetBarCode::Print(TBaseReport& report, TInches x, TInches y)
{
    TBarcodePrint::Print(report, Bars(), PrintOrigin(x, y));
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
