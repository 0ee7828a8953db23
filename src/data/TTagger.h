// Tagging: a record is tagged when its TAG holds the current tag id. Tagging a whole record set
// writes the id into every member; clearing every tag only makes a new id, so no record is
// rewritten; toggling flips one record.
//
// Contract: TAddressTable::GlobalTagId() holds the current id (ClearTags keeps it so). Engine
// errors reach the caller as xbase::XbaseError.
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class TAddressTable;
class TIniFile;

class TTagger {
public:
    // Told the count tagged so far after each record; returning false stops there.
    using TProgress = std::function<bool(uint32_t tagged)>;

    // Tags every record of the table's current record set, then goes to the first record. The
    // members are listed before the first write, so records that leave the set (or move in the
    // order) once tagged are neither skipped nor visited twice; they are written in record-number
    // order, so a stop part-way leaves the first members of the file tagged, not of the order.
    static uint32_t TagAll(TAddressTable& table, const TProgress& progress = {});
    // Makes a new tag id, makes it the current one and writes it to Misc/GlobalTagId (a file
    // that cannot be written is told once per run; the id still holds for this run).
    static QString ClearTags(TIniFile& settings);
    // Tags the current record, or untags it when it is tagged; returns whether it is tagged now.
    static bool ToggleTag(TAddressTable& table);
};
