// The order in which a table's cursor visits records. Record order is the table's own;
// an index tag supplies another. A table holds at most one current order.
//
// Contract: record numbers are 1-based and 0 means "none". `current` is the table's view of
// the record the cursor stands on (recordNumber() == recno), so an order that keeps keys can
// place itself by the record's key when it has lost its position.
#pragma once

#include <cstdint>

namespace xbase {

class RecordView;

class RecordOrder {
public:
    virtual ~RecordOrder() = default;
    virtual uint32_t first() = 0;
    virtual uint32_t last() = 0;
    virtual uint32_t next(uint32_t recno, const RecordView& current) = 0;
    virtual uint32_t previous(uint32_t recno, const RecordView& current) = 0;
};

} // namespace xbase
