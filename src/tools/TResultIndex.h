// A tool's result set: a temporary single index file, created empty with a key expression,
// filled by adding chosen records one by one (a record is listed once however often it is
// added), and then installed as the table's order so that only the listed records are visited,
// in key order. The index follows edits of the records it holds.
//
// Contract: the table outlives this object. The destructor puts back the table's tag order,
// stops listening, closes the index and deletes its file, also after an error or a cancel.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class TAddressTable;
namespace xbase {
class IdxIndex;
}

class TResultIndex {
public:
    // Replaces any file of that name left over from an earlier run.
    TResultIndex(TAddressTable& table, const QString& path, const QString& keyExpression);
    ~TResultIndex();
    TResultIndex(const TResultIndex&) = delete;
    TResultIndex& operator=(const TResultIndex&) = delete;

    const QString& Path() const { return FilePath; }
    // Adds the records (any order; they are visited in record-number order for the disk's sake).
    void Add(std::vector<uint32_t> recnos);
    // The table now visits only the listed records, in key order, and stands on the first.
    void Install();
    bool Installed() const { return IsInstalled; }
    // The listed record numbers in key order (once installed, those still in the record set).
    std::vector<uint32_t> Records();
    uint32_t Count() { return static_cast<uint32_t>(Records().size()); }

private:
    TAddressTable& Table;
    QString FilePath;
    QString KeyExpression;
    bool Filled = false;
    size_t SavedOrder = 0;
    bool IsInstalled = false;
    std::unique_ptr<xbase::IdxIndex> Index;
};
