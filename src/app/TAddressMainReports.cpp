// The main window's report command: the report window over the table, with the derived name
// and address fields on while it is open and order, filter and record put back afterwards.
#include "TAddressMain.h"

#include "data/TAddressTable.h"
#include "output/TPrinterCheck.h"
#include "reports/TReportSetup.h"
#include "reports/TReportSetups.h"

#include <QScopeGuard>

void TAddressMain::PrintReportsClick()
{
    if (!Table || !OnRecord() || !TPrinterCheck::PrinterPresent())
        return;
    auto reports = TReportSetups::Open(); // "Unable to Open or Create REPORT.DBF": no window
    if (!reports)
        return;
    const QString tag = OrderTag;
    const uint32_t record = Table->Table().recordNumber();
    {
        TBatchGuard batch(*this);
        SetExtraFields(true);
        const auto restore = qScopeGuard([this] { SetExtraFields(false); });
        TReportSetup window(*Table, AddressFilter.IsSet(), std::move(reports), this);
        window.exec();
    }
    SetCurrentOrder(tag);
    if (record > 0)
        Table->Table().go(record);
    ShowMovedRecord();
}
