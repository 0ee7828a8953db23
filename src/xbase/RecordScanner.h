// What a query needs of a table: its records one by one, its current order and its index.
// The table class is adapted to this interface, tests use an in-memory fake.
//
// What the adapter must provide:
// - layout(): a RecordView whose fields() describe the table (any record, or none, may be current).
// - recordCount(): records in the file, delete-flagged ones included.
// - readRecord(n), 1 <= n <= recordCount(): the bytes of record n as a RecordView, valid until
//   the next call. Calls come mostly in ascending order, so buffering ahead pays; the adapter
//   should read through its own buffer and leave the table's cursor and edit buffer untouched.
// - flaggedRecordsHidden(): whether delete-flagged records are invisible (the engine setting).
// - currentOrder(): the order the cursor follows, nullptr for record order.
// - keyRanges(): the open compound index, nullptr when none is open. Its tags must hold the
//   keys of every record as the records now stand.
#pragma once

#include <cstdint>

namespace xbase {

class KeyRangeSource;
class RecordOrder;
class RecordView;

class RecordScanner {
public:
    virtual ~RecordScanner() = default;
    virtual const RecordView& layout() const = 0;
    virtual uint32_t recordCount() const = 0;
    virtual const RecordView& readRecord(uint32_t recno) = 0;
    virtual bool flaggedRecordsHidden() const = 0;
    virtual RecordOrder* currentOrder() = 0;
    virtual KeyRangeSource* keyRanges() = 0;
};

} // namespace xbase
