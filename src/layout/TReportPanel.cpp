#include "TReportPanel.h"

#include "TLClassRegistry.h"

bool TReportPanel::ToolAllowed(TRPanelState state, TRPanelKind kind)
{
    const TLToolRow* tool = TLClassRegistry::Tool(TLToolFamily::Report, int(state));
    return !tool || (tool->Bands & (1 << int(kind))) != 0;
}

QString TReportPanel::Refusal() const
{
    if (ToolAllowed(State, Kind))
        return {};
    return QString::fromLatin1(TLClassRegistry::Tool(TLToolFamily::Report, int(State))->Refusal);
}

void TReportPanel::SetPanelState(TRPanelState state)
{
    State = state;
    Pointing = state == TRPanelState::psPointing;
}

void TReportPanel::DropObject(const QRect& rect)
{
    std::unique_ptr<TLGraphicControl> object = TLClassRegistry::CreateForTool(TLToolFamily::Report, int(State), PanelFont);
    if (!object || !Refusal().isEmpty())
        return;
    AddObject(std::move(object), DrawnRect(rect));
    RefreshData();
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}
