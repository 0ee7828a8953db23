// The placeholder look of the postal barcode objects: a dashed outline on screen and nothing on
// paper, until their bars come from the barcode encoders.
#pragma once

#include "TLGraphicControl.h"

class TLBarCodeObject : public TLGraphicControl {
public:
    void Paint(QPainter& painter) override;

protected:
    using TLGraphicControl::TLGraphicControl;
};
