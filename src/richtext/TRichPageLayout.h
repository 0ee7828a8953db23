// A letter's paper and margins in twips. A letter never given other values is a Letter sheet
// (8.5 x 11 inches) with one-inch margins; a layout whose page is under an inch, or whose
// margins leave no room for text, is put back to that.
#pragma once

#include "TTwips.h"

struct TRichPageLayout {
    TTwips PaperWidth{12240};
    TTwips PaperHeight{15840};
    TTwips MarginLeft{1440};
    TTwips MarginRight{1440};
    TTwips MarginTop{1440};
    TTwips MarginBottom{1440};

    static constexpr int MinimumPage = TTwips::PerInch;
    static constexpr int MaximumPage = 200 * TTwips::PerInch; // the largest page a PDF holds
    static constexpr int MinimumTextArea = TTwips::PerInch / 10;

    TTwips TextWidth() const { return PaperWidth - MarginLeft - MarginRight; }
    TTwips TextHeight() const { return PaperHeight - MarginTop - MarginBottom; }
    // The page kept when usable, else the defaults; bad margins alone take the default margins.
    TRichPageLayout Corrected() const;
    bool operator==(const TRichPageLayout&) const = default;
};
