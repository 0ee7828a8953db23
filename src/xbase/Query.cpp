#include "Query.h"

#include "KeyRangeSource.h"
#include "QueryPlanner.h"
#include "RecordView.h"
#include "XbaseError.h"

#include <algorithm>

namespace xbase {

namespace {

constexpr size_t kCachedExpressions = 32;

} // namespace

class Query::BitmapFilter final : public RecordFilter {
public:
    explicit BitmapFilter(Query& query) : query_(query) {}
    bool accepts(const RecordView& record) override { return query_.accepts(record); }
    bool mayAccept(uint32_t recno) override { return query_.mayAccept(recno); }

private:
    Query& query_;
};

class Query::BitmapOrder final : public RecordOrder {
public:
    explicit BitmapOrder(Query& query) : query_(query) {}
    uint32_t first() override { return query_.step(0, true); }
    uint32_t last() override { return query_.step(0, false); }
    uint32_t next(uint32_t recno, const RecordView&) override { return query_.step(recno, true); }
    uint32_t previous(uint32_t recno, const RecordView&) override { return query_.step(recno, false); }

private:
    Query& query_;
};

Query::Query(RecordScanner& table, ExpressionOptions options)
    : table_(table), options_(options),
      filter_(std::make_unique<BitmapFilter>(*this)), order_(std::make_unique<BitmapOrder>(*this))
{
}

Query::~Query() = default;

RecordFilter& Query::filter()
{
    return *filter_;
}

RecordOrder& Query::recordOrder()
{
    return *order_;
}

void Query::setExact(bool exact)
{
    if (options_.exact == exact)
        return;
    options_.exact = exact;
    cache_.clear();
    if (condition_)
        condition_.emplace(Expression::compile(text_, table_.layout(), options_));
    built_ = false;
}

void Query::validate(std::string_view condition) const
{
    const Expression e = Expression::compile(condition, table_.layout(), options_);
    if (e.type() != ValueType::Logical)
        throw XbaseError("condition " + std::string(condition) + " gives a " + valueTypeName(e.type()) + " value, not a logical one");
}

void Query::setCondition(std::string_view condition)
{
    const bool blank = std::all_of(condition.begin(), condition.end(), [](char c) { return c == ' '; });
    if (blank) {
        condition_.reset();
        text_.clear();
    } else {
        validate(condition);
        condition_.emplace(Expression::compile(condition, table_.layout(), options_));
        text_ = std::string(condition);
    }
    rebuild();
}

bool Query::matches(const RecordView& record) const
{
    if (builtHidden_ && record.isFlaggedDeleted())
        return false;
    return !condition_ || condition_->root().logical(record);
}

void Query::rebuild()
{
    const uint32_t n = table_.recordCount();
    const bool hidden = table_.flaggedRecordsHidden();
    std::optional<QueryPlanner::Plan> plan;
    std::optional<RecordBitmap> flagged;
    ranges_.clear();
    if (KeyRangeSource* index = table_.keyRanges()) {
        QueryPlanner planner(*index, table_.layout(), n, options_);
        if (condition_) {
            plan = planner.plan(condition_->root());
            ranges_ = planner.enclosingRanges(condition_->root());
        }
        // A scan that reads the records anyway sees their delete flags for free.
        const bool scanFollows = condition_ && !(plan && plan->exact);
        if (hidden && !scanFollows)
            flagged = planner.flaggedRecords();
    }
    RecordBitmap candidates = plan ? std::move(plan->records) : RecordBitmap(n, true);
    if (flagged) {
        flagged->invert();
        candidates &= *flagged;
    }
    const bool checkCondition = condition_ && !(plan && plan->exact);
    const bool checkFlag = hidden && !flagged;
    builtHidden_ = hidden;
    changed_ = RecordBitmap(n);
    built_ = true;
    if (!checkCondition && !checkFlag) {
        members_ = std::move(candidates);
        return;
    }
    members_ = RecordBitmap(n);
    for (uint32_t r = candidates.nextSet(1); r != 0; r = r < n ? candidates.nextSet(r + 1) : 0) {
        const RecordView& record = table_.readRecord(r);
        if (checkFlag && record.isFlaggedDeleted())
            continue;
        if (checkCondition && !condition_->root().logical(record))
            continue;
        members_.set(r);
    }
}

void Query::refresh()
{
    if (!built_ || builtHidden_ != table_.flaggedRecordsHidden()) {
        rebuild();
        return;
    }
    const uint32_t n = table_.recordCount();
    if (n != members_.recordCount()) {
        const uint32_t old = members_.recordCount();
        members_.resize(n);
        changed_.resize(n);
        for (uint32_t r = old + 1; r <= n; ++r)
            changed_.set(r);
    }
    for (uint32_t r = changed_.nextSet(1); r != 0; r = r < n ? changed_.nextSet(r + 1) : 0) {
        if (matches(table_.readRecord(r)))
            members_.set(r);
        else
            members_.clear(r);
    }
    changed_ = RecordBitmap(n);
}

uint32_t Query::count()
{
    refresh();
    return members_.population();
}

bool Query::accepts(const RecordView& record)
{
    if (!built_)
        rebuild();
    const uint32_t recno = record.recordNumber();
    if (recno > members_.recordCount() || changed_.test(recno))
        return matches(record);
    return members_.test(recno);
}

bool Query::mayAccept(uint32_t recno) const
{
    // Before the first build, and for records changed since, only reading them can tell.
    if (!built_ || recno > members_.recordCount() || changed_.test(recno))
        return true;
    return members_.test(recno);
}

bool Query::contains(uint32_t recno)
{
    if (recno < 1 || recno > table_.recordCount())
        return false;
    return accepts(table_.readRecord(recno));
}

uint32_t Query::nextCandidate(uint32_t recno) const
{
    if (recno > members_.recordCount())
        return recno <= table_.recordCount() ? recno : 0;
    const uint32_t a = members_.nextSet(recno);
    // Changed records are few: look for one only up to the next member, not to the end.
    const uint32_t b = a == 0 ? changed_.nextSet(recno) : changed_.nextSet(recno, a);
    if (a == 0 || b == 0) {
        const uint32_t found = std::max(a, b);
        if (found != 0)
            return found;
        const uint32_t beyond = members_.recordCount() + 1; // appended since the bitmap was built
        return beyond <= table_.recordCount() ? beyond : 0;
    }
    return std::min(a, b);
}

uint32_t Query::previousCandidate(uint32_t recno) const
{
    if (recno > members_.recordCount())
        return recno;
    const uint32_t a = members_.previousSet(recno);
    return std::max(a, a == 0 ? changed_.previousSet(recno) : changed_.previousSet(recno, a));
}

uint32_t Query::step(uint32_t recno, bool forward)
{
    if (!built_)
        rebuild();
    const uint32_t n = table_.recordCount();
    if (forward) {
        for (uint32_t r = nextCandidate(recno + 1); r != 0 && r <= n; r = nextCandidate(r + 1)) {
            if (accepts(table_.readRecord(r)))
                return r;
        }
        return 0;
    }
    uint32_t r = recno == 0 ? n : recno - 1;
    for (r = r == 0 ? 0 : previousCandidate(r); r != 0; r = r > 1 ? previousCandidate(r - 1) : 0) {
        if (accepts(table_.readRecord(r)))
            return r;
    }
    return 0;
}

uint32_t Query::top()
{
    RecordOrder* order = table_.currentOrder();
    if (!order)
        return step(0, true);
    uint32_t r = order->first();
    while (r != 0 && !contains(r))
        r = order->next(r, table_.readRecord(r));
    return r;
}

uint32_t Query::bottom()
{
    RecordOrder* order = table_.currentOrder();
    if (!order)
        return step(0, false);
    uint32_t r = order->last();
    while (r != 0 && !contains(r))
        r = order->previous(r, table_.readRecord(r));
    return r;
}

uint32_t Query::skip(uint32_t from, long steps)
{
    RecordOrder* order = table_.currentOrder();
    uint32_t r = from;
    const bool forward = steps >= 0;
    for (long i = 0; i < (forward ? steps : -steps) && r != 0; ++i) {
        if (!order) {
            r = step(r, forward);
            continue;
        }
        do {
            const RecordView& current = table_.readRecord(r);
            r = forward ? order->next(r, current) : order->previous(r, current);
        } while (r != 0 && !contains(r));
    }
    return r;
}

const Expression& Query::cached(std::string_view text)
{
    auto it = cache_.find(text);
    if (it != cache_.end())
        return it->second;
    Expression compiled = Expression::compile(text, table_.layout(), options_);
    if (cache_.size() >= kCachedExpressions)
        cache_.clear();
    return cache_.emplace(std::string(text), std::move(compiled)).first->second;
}

bool Query::test(std::string_view condition, const RecordView& record)
{
    return cached(condition).evaluateLogical(record);
}

std::string Query::evaluateText(std::string_view expression, const RecordView& record)
{
    return cached(expression).evaluateAsText(record);
}

void Query::recordWritten(uint32_t recno, const uint8_t*, const uint8_t*)
{
    if (!built_)
        return;
    if (recno > changed_.recordCount()) {
        members_.resize(recno);
        changed_.resize(recno);
    }
    changed_.set(recno);
}

void Query::tableRewritten()
{
    built_ = false;
}

} // namespace xbase
