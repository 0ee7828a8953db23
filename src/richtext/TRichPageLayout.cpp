#include "TRichPageLayout.h"

TRichPageLayout TRichPageLayout::Corrected() const
{
    const auto pageOk = [](TTwips length) { return length.Value() >= MinimumPage && length.Value() <= MaximumPage; };
    TRichPageLayout layout = *this;
    if (!pageOk(PaperWidth) || !pageOk(PaperHeight)) {
        layout.PaperWidth = TRichPageLayout().PaperWidth;
        layout.PaperHeight = TRichPageLayout().PaperHeight;
    }
    const bool marginsOk = MarginLeft.Value() >= 0 && MarginRight.Value() >= 0 && MarginTop.Value() >= 0 &&
                           MarginBottom.Value() >= 0 && layout.TextWidth().Value() >= MinimumTextArea &&
                           layout.TextHeight().Value() >= MinimumTextArea;
    if (!marginsOk) {
        const TRichPageLayout defaults;
        layout.MarginLeft = defaults.MarginLeft;
        layout.MarginRight = defaults.MarginRight;
        layout.MarginTop = defaults.MarginTop;
        layout.MarginBottom = defaults.MarginBottom;
    }
    return layout;
}
