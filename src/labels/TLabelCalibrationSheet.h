// The calibration sheet for a label stock: every position outlined where the program puts the
// label, a crosshair at its centre, and two rulers in 1/32 inch whose zero marks lie on the
// outline, one across the left edge and one across the top edge. Printed without calibration
// on a real sheet of labels, the die-cut edge falls on the rulers at the printer's offset,
// which the user reads off and types into the calibration dialog. No widget.
#pragma once

#include "TLabelStock.h"

class TBaseReport;

class TLabelCalibrationSheet {
public:
    static constexpr double RulerHalfLength = 0.25; // inches each side of the zero mark
    static constexpr int TicksPerInch = 32;

    // Draws one sheet onto a running job, whose paper the caller has set from the stock.
    static void Draw(TBaseReport& report, const TLabelStock& stock);
};
