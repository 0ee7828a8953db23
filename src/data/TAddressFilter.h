// The main window's filter: the query values, the filter text built from them, and applying it
// to the open address table. A filter that matches nothing, is too long for the engine or is
// refused by it is dropped (the values are cleared) and the table shows every live record.
//
// Contract: messages go through the prompt service; TAddressTable::GlobalTagId() must hold the
// current tag id before a filter with Tagged is applied.
#pragma once

#include "TQueryValues.h"

#include <QString>

#include <cstdint>

class TAddressTable;

class TAddressFilter {
public:
    // The engine takes conditions of up to 255 characters, and " .and. !ISDEL" goes behind ours.
    static constexpr int MaxConditionLength = 255;
    static constexpr int RecordSetSuffixLength = 12;
    static constexpr const char* TooComplexMessage = "Sorry - filter is too complex.Please simplify it.";

    TQueryValues Values;

    const QString& FilterText() const { return Text; }
    bool IsSet() const { return !Text.isEmpty(); }

    QString BuildQueryString() const;
    // Builds, installs and counts; 0 when no filter is set or the filter was dropped.
    uint32_t ApplyQuery(TAddressTable& table);
    void ClearQueryVars();

private:
    uint32_t DropFilter(TAddressTable& table);

    QString Text;
};
