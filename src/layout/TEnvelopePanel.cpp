#include "TEnvelopePanel.h"

#include "TLClassRegistry.h"

void TEnvelopePanel::DropObject(const QRect& rect)
{
    if (!FimTool) {
        TLLabelPanel::DropObject(rect);
        return;
    }
    AddObject(TLClassRegistry::CreateForTool(TLToolFamily::Label, TLToolRow::NoState, PanelFont), DrawnRect(rect));
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}
