#include "TReportRecordSelection.h"

#include "data/TAddressTable.h"

QString TReportRecordSelection::OrderTag(int builtInReport)
{
    return builtInReport == 3 ? QStringLiteral("ORG") : QStringLiteral("LNAME");
}

TReportRecordSelection::TReportRecordSelection(TAddressTable& table, int builtInReport, TRecords records,
                                               bool startFromCurrent)
    : Table(table)
{
    xbase::WorkArea& area = Table.Area();
    xbase::DbfTable& rows = Table.Table();
    SavedOrder = area.order();
    SavedRecord = rows.recordNumber();
    if (builtInReport > 0)
        Table.SetOrderTag(OrderTag(builtInReport));
    Choice = std::make_unique<TRecordChoice>(Table, TRecordChoice::TPrintout::Reports, records, startFromCurrent);

    // The seek applies only where the whole set is listed from its start: "Only current record"
    // with a blank key would otherwise print nothing.
    const bool startedFromCurrent = startFromCurrent && !rows.eof() && rows.recordNumber() == SavedRecord;
    if (builtInReport >= 1 && builtInReport <= 3 && !startedFromCurrent && records != TRecords::OnlyCurrent &&
        area.order() != 0) {
        area.setSoftSeek(true);
        area.seek("0");
        area.setSoftSeek(false);
        // A seek lands on the key whatever the set: pass over records the set leaves out.
        const std::string condition = area.condition();
        if (!rows.eof() && !condition.empty() && !area.test(condition))
            rows.skip();
    }
}

TReportRecordSelection::~TReportRecordSelection()
{
    Choice.reset(); // condition and record back first
    try {
        Table.Area().setOrder(SavedOrder);
        if (SavedRecord > 0)
            Table.Table().go(SavedRecord);
    } catch (...) {
        // The order was in force before; a failing disk is reported by the next operation.
    }
}
