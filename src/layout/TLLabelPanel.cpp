#include "TLLabelPanel.h"

#include "TLClassRegistry.h"
#include "TLMultiLineBaseLabel.h"
#include "TLSymbolLabel.h"

void TLLabelPanel::SetPanelState(TLPanelState state)
{
    State = state;
    Pointing = state == TLPanelState::psPointing;
}

std::unique_ptr<TLGraphicControl> TLLabelPanel::CreateObject(TLPanelState state) const
{
    return TLClassRegistry::CreateForTool(TLToolFamily::Label, int(state), PanelFont);
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
