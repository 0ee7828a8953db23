// Commits a table in batches during a bulk write (case conversion, replace, import, copy out,
// tagging, deleting, standardizing): every `records` records or once `interval` has passed,
// whichever comes first, and at finish(). Between commits the index holds its changed pages in
// memory and carries its being-written mark, so a batch costs one write of each changed page
// and two syncs, not one write per key move.
//
// Entry points: construct before the loop, call recordDone() after each record is written
// (the record need not have left the cursor), finish() after the loop (the destructor commits
// too, but swallows errors, and does not when an exception is leaving the loop: the caller
// decides then what stays). Contract: the table outlives the committer.
#pragma once

#include <chrono>
#include <cstdint>

namespace xbase {

class DbfTable;

class BatchCommitter {
public:
    static constexpr uint32_t kDefaultRecords = 100000;
    static constexpr std::chrono::milliseconds kDefaultInterval{1000};

    explicit BatchCommitter(DbfTable& table, uint32_t records = kDefaultRecords,
                            std::chrono::milliseconds interval = kDefaultInterval);
    ~BatchCommitter();
    BatchCommitter(const BatchCommitter&) = delete;
    BatchCommitter& operator=(const BatchCommitter&) = delete;

    void recordDone();
    void finish();
    uint32_t commits() const { return commits_; }

private:
    void commit();

    DbfTable& table_;
    uint32_t records_;
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point batchStart_;
    uint32_t inBatch_ = 0;
    uint32_t commits_ = 0;
    bool finished_ = false;
    int exceptionsAtStart_ = 0;
};

} // namespace xbase
