// The undo file of a tool that rewrites field values (address standardization, case
// conversion): for every value changed, the record number, the field and the value's bytes
// before and after. Restoring puts every value back byte for byte, and refuses (writing
// nothing) when any of them was changed again since, when the file belongs to another table,
// or when the file is damaged.
//
// The file is plain ASCII text (docs/formats/undo.md): a header, then one line per value with
// the bytes escaped, so any Windows-1252 value travels exactly. It is written whole to a
// temporary file and renamed into place.
//
// Contract: entries are added in the order they were written; Restore() puts the table's
// condition, order and record back.
#pragma once

#include "TToolProgress.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class TAddressTable;

struct TUndoEntry {
    uint32_t Recno = 0;
    std::string Field;  // field name, capitals
    std::string Before; // field bytes without the blank padding
    std::string After;
};

class TUndoFile {
public:
    static constexpr const char* Magic = "QUORVANE UNDO 1";
    // The default files in the program folder's sysdata/ of the two tools.
    static constexpr const char* StandardizeFileName = "STANDARD.UND";
    static constexpr const char* CaseFileName = "CASE.UND";
    static QString DefaultPath(const char* fileName);

    TUndoFile() = default;
    TUndoFile(QString kind, QString tableName) : Kind(std::move(kind)), TableName(std::move(tableName)) {}

    void Add(TUndoEntry entry) { Entries.push_back(std::move(entry)); }
    const std::vector<TUndoEntry>& Values() const { return Entries; }
    const QString& KindName() const { return Kind; }
    const QString& Table() const { return TableName; }

    // False with the reason when the file cannot be written.
    bool Save(const QString& path, QString* error) const;
    // False with the reason when the file is missing, damaged or not an undo file.
    bool Load(const QString& path, QString* error);

    // The field's bytes in the current record, without the blank padding.
    static std::string FieldBytes(TAddressTable& table, const std::string& field);

    struct TRestore {
        bool Done = false;
        uint32_t Restored = 0;
        QString Message; // why nothing was put back, when not done
    };
    // Checks every value first (still as written after the run) and only then writes.
    TRestore Restore(TAddressTable& table, const TToolProgress& progress = {}) const;

    static std::string Escaped(const std::string& bytes);
    static bool Unescaped(std::string_view text, std::string* bytes);

private:
    QString Kind;
    QString TableName; // the table's file name
    std::vector<TUndoEntry> Entries;
};
