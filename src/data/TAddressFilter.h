// The main window's filter: the query values, the filter text built from them, and applying it
// to the open address table. A filter that matches nothing, is too long for the engine, holds a
// value no literal can carry, or is refused by the engine is dropped (the values are cleared)
// and the table shows every live record; every case but the first says why.
//
// Contract: messages go through the prompt service; TAddressTable::GlobalTagId() must hold the
// current tag id before a filter with Tagged is applied.
#pragma once

#include "TQueryValues.h"

#include <QString>

#include <cstdint>
#include <optional>

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

    // --- filter files, with the save and open dialogs' rules on the chosen name
    // A name without an extension gets ".FLT"; another extension is refused ("Must have a .FLT
    // extension"); an existing file is overwritten only after the user agrees. True once written.
    bool SaveFilterTo(const QString& chosenPath) const;
    // Refuses a name whose extension is not .FLT ("Must be a Filter (.FLT) file"), else reads
    // the values and applies them; the count of ApplyQuery, nothing when refused or unreadable.
    std::optional<uint32_t> RestoreFilterFrom(const QString& path, TAddressTable& table);

private:
    uint32_t DropFilter(TAddressTable& table);

    QString Text;
};
