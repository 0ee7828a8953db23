#include "TLFIMBarCode.h"

#include "TBarcodeBitmap.h"
#include "TBarcodePrint.h"
#include "TLStreamWriter.h"
#include "TLayoutUnits.h"
#include "TLValueRead.h"

#include <QPainter>

QSize TLFIMBarCode::DrawnSize() const
{
    return TBarcodeBitmap::FimScreenExtent(TLayoutUnits::PixelsPerInch(), 1.0).toSize();
}

void TLFIMBarCode::Paint(QPainter& painter)
{
    // White behind the bars, no further than the frame: a larger square would show outside
    // the selection and hide what lies beside the mark.
    const double ppi = TLayoutUnits::PixelsPerInch();
    painter.fillRect(QRectF(QPointF(0, 0), TBarcodeBitmap::FimScreenExtent(ppi, Zoom())), Qt::white);
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
