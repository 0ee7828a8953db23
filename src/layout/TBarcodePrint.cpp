#include "TBarcodePrint.h"

#include "output/TBaseReport.h"

TInchPoint TBarcodePrint::Origin(QPoint topLeft, double pixelsPerInch, TInchPoint offset)
{
    return {TInches::FromPixels(topLeft.x(), pixelsPerInch) + offset.X,
            TInches::FromPixels(topLeft.y(), pixelsPerInch) + offset.Y};
}

void TBarcodePrint::Print(TBaseReport& report, const TBarList& bars, TInchPoint origin)
{
    if (bars.Empty())
        return;
    // The pen is set as well as the brush: a wide or coloured pen left by an earlier object
    // would fatten every bar past what the sorting machines accept.
    report.SetBrush(Qt::black, Qt::SolidPattern);
    report.SetPen(Qt::black, Qt::SolidLine, 1, TPenMode::pmCopy);
    for (const TBar& bar : bars.Bars) {
        const TInches left = origin.X + TInches(bar.Left);
        const TInches top = origin.Y + TInches(bar.Top);
        report.Rectangle({left, top, left + TInches(bar.Width), top + TInches(bar.Height)});
    }
}
