// Decides which records a table's cursor may stand on (besides the hidden delete-flagged ones).
// A query installs one as the table's filter; moves skip the records it refuses.
#pragma once

#include <cstdint>

namespace xbase {

class RecordView;

class RecordFilter {
public:
    virtual ~RecordFilter() = default;
    virtual bool accepts(const RecordView& record) = 0;
    // A cheap first look by record number alone: false only when accepts() would surely refuse
    // the record, so the cursor can pass over it without reading it.
    virtual bool mayAccept(uint32_t /*recno*/) { return true; }
};

} // namespace xbase
