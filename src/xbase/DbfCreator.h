// Builds a new, empty table: collect the fields, then create() writes the .DBF (version 0xF5
// with an .FPT memo when a memo field is present, else 0x03; code page 0x03) and its memo file.
// copyStructureOf() starts from an open table's fields, for exports.
//
// Contract: addField validates as it goes and throws XbaseError on a bad name, type or size,
// so create() only meets a field list it can write.
#pragma once

#include "FieldDef.h"
#include "FileIO.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

class DbfTable;

class DbfCreator {
public:
    // Types C (1..254, longer with the long-character extension), N and F (1..20 with
    // decimals), L, D and M; the width of L, D and M is fixed and may be given as 0.
    DbfCreator& addField(std::string_view name, char type, uint16_t width = 0, uint8_t decimals = 0);
    static DbfCreator copyStructureOf(const DbfTable& table);

    DbfCreator& setMemoBlockSize(uint32_t bytes);
    DbfCreator& setCodePage(uint8_t codePage);

    const std::vector<FieldDef>& fields() const { return fields_; }
    bool hasMemo() const;
    // Writes the table and its memo file, replacing files of the same names.
    void create(FileSystem& fs, const std::string& path) const;

private:
    std::vector<uint8_t> headerBytes() const;

    std::vector<FieldDef> fields_;
    uint32_t recordSize_ = 1;
    uint32_t memoBlockSize_ = 64;
    uint8_t codePage_ = 0x03;
};

} // namespace xbase
