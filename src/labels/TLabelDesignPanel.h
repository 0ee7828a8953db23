// The label design surface: a label panel that also draws the Intelligent Mail barcode. The
// designer's palette has no state for that barcode, so the design screen raises `IMbTool`
// beside the pointing state (as the envelope panel does for its FIM barcode) and lowers it
// whenever the designer changes tools.
#pragma once

#include "layout/TLLabelPanel.h"

class TLabelDesignPanel : public TLLabelPanel {
public:
    using TLLabelPanel::TLLabelPanel;

    bool IMbTool() const { return IMb; }
    // On: the next drag draws an Intelligent Mail barcode. Off: back to the designer's state.
    void SetIMbTool(bool on);
    void DropObject(const QRect& rect) override;

private:
    bool IMb = false;
};
