#include "BatchCommitter.h"

#include "DbfTable.h"

#include <exception>

namespace xbase {

namespace {
// The clock is read once per this many records: cheap, and still well inside the interval.
constexpr uint32_t kClockStride = 256;
} // namespace

BatchCommitter::BatchCommitter(DbfTable& table, uint32_t records, std::chrono::milliseconds interval)
    : table_(table), records_(records == 0 ? 1 : records), interval_(interval),
      batchStart_(std::chrono::steady_clock::now()), exceptionsAtStart_(std::uncaught_exceptions())
{
}

BatchCommitter::~BatchCommitter()
{
    // Left by an exception, the loop's caller decides what stays: an import drops the record
    // the failure cut short before it commits, so committing it here would keep a half record.
    if (std::uncaught_exceptions() > exceptionsAtStart_)
        return;
    try {
        finish();
    } catch (...) {
        // A destructor cannot report; callers who care call finish() themselves.
    }
}

void BatchCommitter::recordDone()
{
    ++inBatch_;
    if (inBatch_ >= records_
        || (inBatch_ % kClockStride == 0 && std::chrono::steady_clock::now() - batchStart_ >= interval_))
        commit();
}

void BatchCommitter::finish()
{
    if (finished_)
        return;
    finished_ = true;
    commit();
}

void BatchCommitter::commit()
{
    table_.commit();
    ++commits_;
    inBatch_ = 0;
    batchStart_ = std::chrono::steady_clock::now();
}

} // namespace xbase
