#include "TLBarCodeObject.h"

#include "TBarcodePrint.h"
#include "TLDataPanel.h"
#include "TLayoutUnits.h"

#include "data/TAddressStandardizer.h"

#include <QPainter>

void TLBarCodeObject::Paint(QPainter& painter)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0, 0, Width() * Zoom() - 1, Height() * Zoom() - 1));
    painter.restore();
}

void TLBarCodeObject::BoundsChanged()
{
    const QSize drawn = DrawnSize();
    if (!Reading && !drawn.isEmpty() && BoundsRect().size() != drawn) {
        SetBounds(Left(), Top(), drawn.width(), drawn.height());
        return; // SetBounds has run BoundsChanged with the kept size
    }
    TLGraphicControl::BoundsChanged();
}

TRoutingDigits TLBarCodeObject::RoutingOf(TPostNetBarCodeType type)
{
    switch (type) {
    case TPostNetBarCodeType::pnbc5Digit: return TRoutingDigits::rd5Digit;
    case TPostNetBarCodeType::pnbc9Digit: return TRoutingDigits::rd9Digit;
    case TPostNetBarCodeType::pnbc11Digit: break;
    }
    return TRoutingDigits::rd11Digit;
}

TRoutingDigits TLBarCodeObject::RoutingOf(TIMbRoutingType type)
{
    switch (type) {
    case TIMbRoutingType::imbrNone: return TRoutingDigits::rdNone;
    case TIMbRoutingType::imbr5Digit: return TRoutingDigits::rd5Digit;
    case TIMbRoutingType::imbr9Digit: return TRoutingDigits::rd9Digit;
    case TIMbRoutingType::imbr11Digit: break;
    }
    return TRoutingDigits::rd11Digit;
}

TFimKind TLBarCodeObject::KindOf(TFIMBarCodeType type)
{
    switch (type) {
    case TFIMBarCodeType::fimTypeA: return TFimKind::fkA;
    case TFIMBarCodeType::fimTypeB: return TFimKind::fkB;
    case TFIMBarCodeType::fimTypeC: break;
    }
    return TFimKind::fkC;
}

QString TLBarCodeObject::FieldText(const QString& fieldName) const
{
    const TLDataPanel* panel = TLDataPanel::Of(*this);
    if (!panel || !panel->DataSet || !panel->DataSet->Active() || fieldName.isEmpty())
        return {};
    try {
        return Trim(panel->DataSet->FieldText(fieldName));
    } catch (const std::exception&) {
        return {};   // a missing or unreadable field counts as empty
    }
}

void TLBarCodeObject::ShowAddress(const QString& zipField, const QString& streetField)
{
    ZipText = FieldText(zipField);
    // The delivery point is read from the street in its standard form ("2nd Floor" as "Fl 2").
    StreetText = TAddressStandardizer::Shared()->Street(FieldText(streetField));
}

void TLBarCodeObject::ClearData()
{
    ZipText.clear();
    StreetText.clear();
}

TInchPoint TLBarCodeObject::PrintOrigin(TInches x, TInches y) const
{
    return TBarcodePrint::Origin(QPoint(Left(), Top()), TLayoutUnits::PixelsPerInch(), {x, y});
}
