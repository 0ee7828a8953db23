#include "TEnvelopePanel.h"

#include "TLFIMBarCode.h"

void TEnvelopePanel::DropObject(const QRect& rect)
{
    if (!FimTool) {
        TLLabelPanel::DropObject(rect);
        return;
    }
    AddObject(std::make_unique<TLFIMBarCode>(), DrawnRect(rect));
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}
