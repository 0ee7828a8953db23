#include "TReportPrinter.h"

bool TReportPrinter::StartJob()
{
    TPrintSettings settings;
    settings.DocumentName = Title;
    settings.PageSize = PageSize();
    settings.Orientation = Orientation() == TOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    settings.Copies = Copies;
    const bool started = Session.Begin(settings);
    if (!started)
        SetErrorText(Session.Error());
    return started;
}

void TReportPrinter::PageFinished(TDisplayList page)
{
    if (!Aborted())
        Session.PrintPage(page);
}

void TReportPrinter::EndJob(bool aborted)
{
    if (aborted) {
        Session.Abort();
    } else if (!Session.End()) {
        // A device that failed at the end is a failed job, not a completed one.
        SetErrorText(Session.Error());
        Abort();
    }
}
