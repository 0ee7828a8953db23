// The envelope panel draws the label panel's objects and, with `FimTool` set (the "FIM Barcode
// tool", which has no label state), a FIM barcode.
#pragma once

#include "TLLabelPanel.h"

class TEnvelopePanel : public TLLabelPanel {
public:
    using TLLabelPanel::TLLabelPanel;

    bool FimTool = false;
    void DropObject(const QRect& rect) override;
};
