// Fills the one-record printout from the current record of an address table, and turns field
// names (LNAME, DisplayDate, MEMO, ...) into the printout's labels.
#pragma once

#include "TRecordPrintout.h"

#include <QStringList>

class TAddressTable;

class TAddressRecordPrintout {
public:
    static TRecordPrintout FromTable(const TAddressTable& table);
    // Labels for the given field names or labels; throws std::runtime_error naming one that is neither.
    static QStringList LabelsFor(const QStringList& fieldsOrLabels);
};
