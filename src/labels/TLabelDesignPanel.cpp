#include "TLabelDesignPanel.h"

#include "layout/TBarcodeConstants.h"
#include "layout/TLIMBarCode.h"
#include "layout/TLayoutUnits.h"

#include <cmath>

namespace {

// The bars' length and full height in layout pixels, rounded up.
QSize IMbBarsSize()
{
    using namespace TBarcodeConstants;
    const double ppi = TLayoutUnits::PixelsPerInch();
    return {int(std::ceil(((IMbBars - 1) * IMbPitch + IMbBarWidth) * ppi)), int(std::ceil(IMbFullHeight * ppi))};
}

} // namespace

void TLabelDesignPanel::SetIMbTool(bool on)
{
    IMb = on;
    if (on)
        SetPanelState(TLPanelState::psPointing);
    Pointing = !on && PanelState() == TLPanelState::psPointing;
}

void TLabelDesignPanel::DropObject(const QRect& rect)
{
    if (!IMb) {
        TLLabelPanel::DropObject(rect);
        return;
    }
    // The bars need their full length whatever was dragged; a shorter box would clip them.
    AddObject(std::make_unique<TLIMBarCode>(), QRect(rect.topLeft(), rect.size().expandedTo(IMbBarsSize())));
    RefreshData();
    if (DroppedObjectEvent)
        DroppedObjectEvent(rect);
}
