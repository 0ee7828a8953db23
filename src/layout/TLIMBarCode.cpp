#include "TLIMBarCode.h"

#include "TBarcodeBitmap.h"
#include "TBarcodePrint.h"
#include "TIMbEncoder.h"
#include "TIMbSerialStore.h"
#include "TLBasePanel.h"
#include "TLStreamWriter.h"
#include "TLayoutUnits.h"
#include "TLValueRead.h"

#include <QPainter>

long long TLIMBarCode::Serial() const
{
    if (Printing() && Panel()->SerialRun)
        return Panel()->SerialRun->Serial(MailerId, SerialStart);
    return SerialStart;
}

TBarList TLIMBarCode::Bars() const
{
    std::string reason;
    const std::string tracking = TIMbEncoder::TrackingCode(BarcodeId.toStdString(), ServiceTypeId.toStdString(),
                                                           MailerId.toStdString(), Serial(), &reason);
    if (tracking.empty())
        return TBarList::None(reason);
    return TIMbEncoder::EncodeRecord(tracking, ZipText.toStdString(), StreetText.toStdString(), RoutingOf(RoutingType));
}

void TLIMBarCode::ShowData()
{
    ShowAddress(ZipCodeField, AddressField);
}

void TLIMBarCode::AdvanceCounter()
{
    if (Panel() && Panel()->SerialRun)
        Panel()->SerialRun->AdvanceCounter(MailerId);
}

void TLIMBarCode::Paint(QPainter& painter)
{
    const TBarList bars = Bars();
    if (!bars.Empty()) {
        TBarcodeBitmap::PaintBars(painter, bars, QPointF(0, 0), TLayoutUnits::PixelsPerInch() * Zoom());
        return;
    }
    TLBarCodeObject::Paint(painter);
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(std::max(6, int(9 * Zoom())));
    painter.setFont(font);
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(2, 0, Width() * Zoom() - 4, Height() * Zoom()), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(bars.Reason));
    painter.restore();
}

void TLIMBarCode::Print(TBaseReport& report, TInches x, TInches y)
{
    TBarcodePrint::Print(report, Bars(), PrintOrigin(x, y));
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
