// An open address table as the program sees it: the 23 stored fields by name with their widths
// taken from the file, text as QString (Windows-1252 in the file), the five derived fields, and
// the record set (records carrying neither the delete flag nor ISDEL, narrowed by a filter).
//
// Entry points: Open() (the check that the file is an address table), FieldText/SetFieldText,
// Value() for stored and derived fields alike, SetFilterText/Count for the record set, and
// Area() for the engine underneath (order, seeks, tags).
//
// Contract: messages for the user go through the prompt service; engine errors other than
// those of opening reach the caller as xbase::XbaseError.
#pragma once

#include "xbase/WorkArea.h"

#include <QString>

#include <array>
#include <memory>

class TAddressTable {
public:
    static constexpr const char* RecordSetCondition = "!ISDEL";

    // Opens the file for exclusive use with its structural index (if any) and no order.
    // Shows "File <path> not found" when it does not exist. A file that lacks one of the 23
    // fields, or that the engine refuses, is not opened; `error` (when given) says why.
    static std::unique_ptr<TAddressTable> Open(const QString& path, QString* error = nullptr);
    ~TAddressTable();

    // The file system address tables are opened and created on: the machine's, unless a test
    // installs another (an in-memory one that can damage bytes and fail writes). Not owned;
    // nullptr goes back to the machine's.
    static xbase::FileSystem& Files();
    static void SetFiles(xbase::FileSystem* files);

    xbase::WorkArea& Area() { return *WorkArea; }
    xbase::DbfTable& Table() { return WorkArea->table(); }
    const QString& Path() const { return FilePath; }
    void Close();

    // --- fields
    int FieldWidth(const QString& field) const; // stored fields; 0 when unknown
    QString FieldText(const QString& field) const; // stored field without trailing blanks
    // Cuts to the field's width; a character Windows-1252 cannot hold becomes '?', and
    // `lossy` (when given) is set.
    void SetFieldText(const QString& field, const QString& text, bool* lossy = nullptr);
    bool IsDeletedMark() const; // ISDEL
    void SetDeletedMark(bool deleted);
    QString Memo() const;
    void SetMemo(const QString& text, bool* lossy = nullptr); // pad with TAddressText::PadMemo first
    // Stored or derived field by its view name ("LNAME", "FullName", "DisplayDate", ...).
    QString Value(const QString& field) const;
    bool Tagged() const;
    static void SetGlobalTagId(const QString& id) { GlobalTagId() = id; }
    static QString& GlobalTagId();
    // FullName, FullNameWithPrefix and CityStateZip hold text only while switched on.
    void SetExtraFields(bool on) { ExtraFields = on; }
    bool ExtraFieldsOn() const { return ExtraFields; }

    // --- tags
    // All 26 address tags present in the open index.
    bool CheckValidIndex() const;
    // Sets the order to the named tag (empty: record order); false when the tag is missing.
    bool SetOrderTag(const QString& tag);

    // --- the record set
    // Installs filterText + " .and. !ISDEL", or "!ISDEL" when the filter text is empty.
    void SetFilterText(const QString& filterText);
    uint32_t Count() { return WorkArea->count(); }

private:
    TAddressTable() = default;
    int FieldIndex(const QString& field) const;

    QString FilePath;
    std::unique_ptr<xbase::WorkArea> WorkArea;
    std::array<int, 23> StoredIndex{}; // engine field number of each stored field, in schema order
    bool ExtraFields = false;
};
