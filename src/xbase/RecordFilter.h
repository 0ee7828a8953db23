// Decides which records a table's cursor may stand on (besides the hidden delete-flagged ones).
// A query installs one as the table's filter; moves skip the records it refuses.
#pragma once

namespace xbase {

class RecordView;

class RecordFilter {
public:
    virtual ~RecordFilter() = default;
    virtual bool accepts(const RecordView& record) = 0;
};

} // namespace xbase
