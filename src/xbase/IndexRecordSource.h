// What an index needs of its table for bulk work (building tags, checking an index): the
// field layout to compile expressions against, the record count and one pass over all records.
//
// Adapter contract: layout() stays valid while the index is open; forEachRecord visits records
// 1..recordCount() in order, delete-flagged ones included, each view carrying its record number;
// a view lives only for its call.
#pragma once

#include <cstdint>
#include <functional>

namespace xbase {

class RecordView;

class IndexRecordSource {
public:
    virtual ~IndexRecordSource() = default;
    virtual const RecordView& layout() const = 0;
    virtual uint32_t recordCount() const = 0;
    virtual void forEachRecord(const std::function<void(const RecordView&)>& visit) = 0;
};

} // namespace xbase
