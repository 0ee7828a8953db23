#include "TLLabelPanel.h"

#include "TLFIMBarCode.h"
#include "TLIMBarCode.h"
#include "TLPostNetBarCode.h"
#include "TLCounterLabel.h"
#include "TLDMultiLineAddressLabel.h"
#include "TLDMultiLineLabel.h"
#include "TLDateTimeLabel.h"
#include "TLImage.h"
#include "TLLabelShapes.h"
#include "TLLineShape.h"
#include "TLPDLabel.h"
#include "TLPLabel.h"
#include "TLPageNumberLabel.h"
#include "TLSymbolLabel.h"

namespace {

QRect Widened(const QRect& rect)
{
    return QRect(rect.left(), rect.top(), rect.width() < 25 ? 50 : rect.width(), std::max(rect.height(), 15));
}

std::unique_ptr<TLGraphicControl> MakeShape(TShapeType type, bool report)
{
    std::unique_ptr<TLLabelShapes> shape = report ? std::make_unique<Trpshapes>() : std::make_unique<TLLabelShapes>();
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
        return address;
    }
    case psRectangle: return MakeShape(TShapeType::stRectangle, false);
    case psEllipse: return MakeShape(TShapeType::stEllipse, false);
    case psRoundRectangle: return MakeShape(TShapeType::stRoundRect, false);
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
    TLGraphicControl* added = AddObject(std::move(object), Widened(rect));
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

void TEnvelopePanel::DropObject(const QRect& rect)
{
    if (!FimTool) {
        TLLabelPanel::DropObject(rect);
        return;
    }
    AddObject(std::make_unique<TLFIMBarCode>(), Widened(rect));
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}

bool TReportPanel::ToolAllowed(TRPanelState state, TRPanelKind kind)
{
    using enum TRPanelState;
    switch (state) {
    case psDataLabel: return kind == TRPanelKind::rpkDetail;
    case psImage: return kind == TRPanelKind::rpkHeader;
    case psDateTime:
    case psPageNumber: return kind == TRPanelKind::rpkHeader || kind == TRPanelKind::rpkFooter;
    case psMultiLineDataLabel: return kind == TRPanelKind::rpkMemo;
    default: return true;
    }
}

QString TReportPanel::Refusal() const
{
    using enum TRPanelState;
    if (ToolAllowed(State, Kind))
        return {};
    switch (State) {
    case psMultiLineDataLabel: return QStringLiteral("This object may only be used in the memo band");
    case psDataLabel: return QStringLiteral("This object may only be used in the detail band");
    case psDateTime:
    case psPageNumber: return QStringLiteral("This object may only be used in the header or footer bands");
    case psImage: return QStringLiteral("This object may only be used in the header band");
    default: return {};
    }
}

void TReportPanel::SetPanelState(TRPanelState state)
{
    State = state;
    Pointing = state == TRPanelState::psPointing;
}

void TReportPanel::DropObject(const QRect& rect)
{
    using enum TRPanelState;
    std::unique_ptr<TLGraphicControl> object;
    switch (State) {
    case psLabel: {
        auto label = std::make_unique<TLPLabel>();
        label->SetCaption(QStringLiteral("<text>"));
        label->Font = PanelFont;
        object = std::move(label);
        break;
    }
    case psDataLabel: {
        auto data = std::make_unique<TLPDLabel>();
        data->DataFieldName = QStringLiteral("<field>");
        data->Font = PanelFont;
        object = std::move(data);
        break;
    }
    case psMultiLineDataLabel: {
        auto memo = std::make_unique<TLDMultiLineLabel>();
        memo->DataFieldName = QStringLiteral("Memo");
        memo->DataFieldDescript = QStringLiteral("MEMO");
        memo->Font = PanelFont;
        object = std::move(memo);
        break;
    }
    case psLine: object = std::make_unique<TLLineShape>(); break;
    case psImage: object = std::make_unique<TLImage>(); break;
    case psDateTime: {
        auto date = std::make_unique<TLDateTimeLabel>();
        date->Font = PanelFont;
        object = std::move(date);
        break;
    }
    case psPageNumber: {
        auto page = std::make_unique<TLPageNumberLabel>();
        page->Font = PanelFont;
        object = std::move(page);
        break;
    }
    case psSymbolLabel: object = std::make_unique<TLSymbolLabel>(); break;
    case psRectangle: object = MakeShape(TShapeType::stRectangle, true); break;
    case psEllipse: object = MakeShape(TShapeType::stEllipse, true); break;
    case psRoundRectangle: object = MakeShape(TShapeType::stRoundRect, true); break;
    case psPointing: return;
    }
    if (!Refusal().isEmpty())
        return;
    AddObject(std::move(object), Widened(rect));
    RefreshData();
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}
