// Which records a report prints and in which order. Constructing it remembers the table's order,
// filter and record, switches a built-in report to its own tag, narrows the set by the record
// choice and positions the table on the first record to print; destroying it puts back order,
// filter and record. Built-in reports 1 to 3 started at the first record move on to the first
// key at or above "0" (a soft seek), so names starting with a blank are left out of the list.
#pragma once

#include "data/TRecordChoice.h"

#include <QString>

#include <memory>

class TAddressTable;

class TReportRecordSelection {
public:
    using TRecords = TRecordChoice::TRecords;

    // `builtInReport` 1..4, or 0 for a user-defined report (which keeps the table's order).
    TReportRecordSelection(TAddressTable& table, int builtInReport, TRecords records, bool startFromCurrent);
    ~TReportRecordSelection();
    TReportRecordSelection(const TReportRecordSelection&) = delete;
    TReportRecordSelection& operator=(const TReportRecordSelection&) = delete;

    // The index tag a built-in report prints in ("LNAME", "ORG").
    static QString OrderTag(int builtInReport);

private:
    TAddressTable& Table;
    size_t SavedOrder = 0;
    uint32_t SavedRecord = 0;
    std::unique_ptr<TRecordChoice> Choice;
};
