#include "TLFIMBarCode.h"

#include "TBarcodeBitmap.h"
#include "TBarcodePrint.h"
#include "TLStreamWriter.h"
#include "TLayoutUnits.h"
#include "TLValueRead.h"

#include <QPainter>

void TLFIMBarCode::Paint(QPainter& painter)
{
    const double ppi = TLayoutUnits::PixelsPerInch();
    const int side = TBarcodeBitmap::FimScreenSide(ppi, Zoom());
    painter.fillRect(QRect(0, 0, side, side), Qt::white);
    TBarcodeBitmap::PaintFim(painter, KindOf(FIMType), ppi, Zoom());
}

void TLFIMBarCode::Print(TBaseReport& report, TInches x, TInches y)
{
    TBarcodePrint::Print(report, TFimEncoder::Encode(KindOf(FIMType)), PrintOrigin(x, y));
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
