// Told of every change a table writes, so indexes stay in step with the records.
//
// Contract: recordWritten is called after the record's new bytes are in the table; oldRecord is
// the record as it was before (nullptr for an appended record). Both buffers hold the table's
// recordSize() bytes, delete flag first, and live only for the call. tableRewritten is called
// after pack or zap: record numbers changed wholesale and every index must be rebuilt.
// A batch runs from the first record write after a commit to the next commit: batchStarting
// comes before that first write reaches the file, tableCommitted after the commit that ends
// the batch synced the table (a commit that ends no batch tells no one).
#pragma once

#include <cstdint>

namespace xbase {

class TableListener {
public:
    virtual ~TableListener() = default;
    virtual void recordWritten(uint32_t recno, const uint8_t* oldRecord, const uint8_t* newRecord) = 0;
    virtual void tableRewritten() = 0;
    virtual void batchStarting() {}
    virtual void tableCommitted() {}
};

} // namespace xbase
