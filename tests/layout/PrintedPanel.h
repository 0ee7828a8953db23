// The display list of one panel printed as a page, for the printing tests.
#pragma once

#include "layout/TLBasePanel.h"

#include "output/TPageStream.h"
#include "output/TReportFiler.h"

// The operations one panel prints at (x, y) inches, its data refreshed as a print run does.
inline TDisplayList Printed(TLBasePanel& panel, TInches x = {}, TInches y = {})
{
    TPageStream pages;
    TReportFiler job(pages);
    job.OnPrint = [&](TBaseReport& report) {
        panel.Printing = true;
        panel.RefreshData();
        panel.PrintObjects(report, x, y);
        panel.Printing = false;
    };
    job.Execute();
    return pages.Page(1);
}
