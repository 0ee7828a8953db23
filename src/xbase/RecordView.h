// What expressions and index keys need of a table: its field layout and the bytes of the
// current record. Expressions are compiled against fields() once and then read the field
// bytes straight from record() for every record, so a record costs no lookups or copies.
//
// Contract: record() holds recordSize() bytes, byte 0 being the delete flag ('*' = flagged),
// and stays valid until the view moves to another record or is changed.
#pragma once

#include "FieldDef.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

class RecordView {
public:
    virtual ~RecordView() = default;
    virtual const std::vector<FieldDef>& fields() const = 0;
    // Field index by name, case-insensitive; -1 when the table has no such field.
    virtual int fieldIndex(std::string_view name) const = 0;
    virtual const uint8_t* record() const = 0;
    virtual uint32_t recordSize() const = 0;
    // 1-based record number of the current record.
    virtual uint32_t recordNumber() const = 0;
    bool isFlaggedDeleted() const { return record()[0] == '*'; }
    // Text of a memo field of the current record (empty when it has none).
    virtual std::string memoText(int fieldIndex) const = 0;
};

} // namespace xbase
