#include "TLLabelPanel.h"

#include "TLPostNetBarCode.h"
#include "TLCounterLabel.h"
#include "TLDMultiLineAddressLabel.h"
#include "TLDMultiLineLabel.h"
#include "TLImage.h"
#include "TLLabelShapes.h"
#include "TLLineShape.h"
#include "TLPDLabel.h"
#include "TLPLabel.h"
#include "TLSymbolLabel.h"

namespace {

std::unique_ptr<TLGraphicControl> MakeShape(TShapeType type)
{
    auto shape = std::make_unique<TLLabelShapes>();
    shape->Shape = type;
    return shape;
}

} // namespace

void TLLabelPanel::SetPanelState(TLPanelState state)
{
    State = state;
    Pointing = state == TLPanelState::psPointing;
}

std::unique_ptr<TLGraphicControl> TLLabelPanel::CreateObject(TLPanelState state) const
{
    using enum TLPanelState;
    switch (state) {
    case psLabel: {
        auto label = std::make_unique<TLPLabel>();
        label->SetCaption(QStringLiteral("<text>"));
        label->Font = PanelFont;
        return label;
    }
    case psCounterLabel: {
        auto counter = std::make_unique<TLCounterLabel>();
        counter->SetStartingnumber(1000);
        counter->Font = PanelFont;
        return counter;
    }
    case psSymbolLabel: return std::make_unique<TLSymbolLabel>();
    case psDataLabel: {
        auto data = std::make_unique<TLPDLabel>();
        data->DataFieldName = QStringLiteral("<field>");
        data->Font = PanelFont;
        return data;
    }
    case psMultiLineLabel: {
        auto text = std::make_unique<TLMultiLineLabel>();
        text->Font = PanelFont;
        return text;
    }
    case psMultiLineDataLabel: {
        auto memo = std::make_unique<TLDMultiLineLabel>();
        memo->DataFieldName = QStringLiteral("Memo");
        memo->DataFieldDescript = QStringLiteral("MEMO");
        memo->Font = PanelFont;
        return memo;
    }
    case psAddressLabel: {
        auto address = std::make_unique<TLDMultiLineAddressLabel>();
        address->Font = PanelFont;
        address->ShrinkToFit = true; // a long address prints smaller rather than cut
        return address;
    }
    case psRectangle: return MakeShape(TShapeType::stRectangle);
    case psEllipse: return MakeShape(TShapeType::stEllipse);
    case psRoundRectangle: return MakeShape(TShapeType::stRoundRect);
    case psLine: {
        auto line = std::make_unique<TLLineShape>();
        line->LineStyle = TLineStyle::stVertical;
        return line;
    }
    case psImage: return std::make_unique<TLImage>();
    case psPostNetBarCode: {
        auto barcode = std::make_unique<TLPostNetBarCode>();
        barcode->ZipCodeField = QStringLiteral("ZIP");
        barcode->AddressField = QStringLiteral("STREET");
        return barcode;
    }
    case psPointing: break;
    }
    return nullptr;
}

void TLLabelPanel::DropObject(const QRect& rect)
{
    std::unique_ptr<TLGraphicControl> object = CreateObject(State);
    if (!object)
        return;
    TLGraphicControl* added = AddObject(std::move(object), DrawnRect(rect));
    if (State == TLPanelState::psImage)
        SetPanelState(TLPanelState::psPointing);
    RefreshData();
    if (auto* label = dynamic_cast<TLBaseLabel*>(added); label && !dynamic_cast<TLSymbolLabel*>(added))
        label->SizeToText();
    if (auto* lines = dynamic_cast<TLMultiLineBaseLabel*>(added))
        lines->Rewrap();
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}
