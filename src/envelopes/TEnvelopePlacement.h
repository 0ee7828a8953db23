// Where on the printer's page an envelope layout is drawn. When the page (PW x PH, the current
// paper in the current orientation) is the envelope itself (L across, W down, compared in
// tenths of an inch) the layout sits at 0,0; otherwise the feed settings say where the envelope
// lies on the page. Offsets that come out negative (an envelope longer than the page) are 0.
#pragma once

#include "TEnvelopeFeedSettings.h"

struct TEnvelopeOffsets {
    float Horizontal = 0.0f;
    float Vertical = 0.0f;
    bool operator==(const TEnvelopeOffsets&) const = default;
};

class TEnvelopePlacement {
public:
    static TEnvelopeOffsets Offsets(double pageWidth, double pageHeight, double length, double width,
                                    const TEnvelopeFeedSettings& feed);
    // The confirmation dialog's warning: the page differs from the envelope by more than one
    // inch either way (compared in hundredths).
    static bool PageMismatch(double pageWidth, double pageHeight, double length, double width);
    static constexpr const char* MismatchWarning =
        "WARNING: Printer PAPER SIZE and ORIENTATION do not match selected Envelope.\r\n"
        "Use Printer Setup to correct this.";
};
