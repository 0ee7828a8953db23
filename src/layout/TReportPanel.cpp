#include "TReportPanel.h"

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

std::unique_ptr<TLGraphicControl> MakeShape(TShapeType type)
{
    auto shape = std::make_unique<Trpshapes>();
    shape->Shape = type;
    return shape;
}

} // namespace

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
    case psRectangle: object = MakeShape(TShapeType::stRectangle); break;
    case psEllipse: object = MakeShape(TShapeType::stEllipse); break;
    case psRoundRectangle: object = MakeShape(TShapeType::stRoundRect); break;
    case psPointing: return;
    }
    if (!Refusal().isEmpty())
        return;
    AddObject(std::move(object), DrawnRect(rect));
    RefreshData();
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}
