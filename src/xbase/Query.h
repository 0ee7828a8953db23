// A table's query: the condition installed as its record filter, the count of the records that
// match, moves within that set, and one-off tests and evaluations on the current record.
//
// Setting a condition compiles it once and answers it into a record bitmap, from the index
// tags where they can (see QueryPlanner) and by reading the remaining candidates otherwise.
// After that, filter() and recordOrder() work from the bitmap. Register the query as a
// TableListener of its table: changed and appended records are then checked afresh until the
// next count() folds them back into the bitmap, and pack or zap rebuilds it.
//
// Contract: the scanner outlives the query; conditions are Windows-1252 text.
#pragma once

#include "Expression.h"
#include "QueryPlanner.h"
#include "RecordBitmap.h"
#include "RecordFilter.h"
#include "RecordOrder.h"
#include "RecordScanner.h"
#include "TableListener.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace xbase {

class Query final : public TableListener {
public:
    explicit Query(RecordScanner& table, ExpressionOptions options = {});
    ~Query() override;
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    // Recompiles the condition under the new setting.
    void setExact(bool exact);
    bool exact() const { return options_.exact; }

    // Throws XbaseError when the text is no valid logical expression for the table.
    void validate(std::string_view condition) const;
    // Installs the condition (validated first; on error the previous one stays). Empty clears it.
    void setCondition(std::string_view condition);
    const std::string& condition() const { return text_; }
    bool hasCondition() const { return condition_.has_value(); }

    // Records that match, leaving out delete-flagged ones while they are hidden.
    uint32_t count();
    // Moves within the set in the table's current order; 0 when the set holds no such record.
    uint32_t top();
    uint32_t bottom();
    uint32_t skip(uint32_t from, long steps);
    // Whether record `recno` belongs to the set (the answer for a go to it).
    bool contains(uint32_t recno);

    // One-off work on a record; compiled forms are kept for the next call with the same text.
    bool test(std::string_view condition, const RecordView& record);
    bool evaluateLogical(std::string_view expression, const RecordView& record) { return test(expression, record); }
    std::string evaluateText(std::string_view expression, const RecordView& record);

    // For the table: a filter that is a bit test and, for record order, an order that jumps
    // from one member of the set to the next.
    RecordFilter& filter();
    RecordOrder& recordOrder();
    bool accepts(const RecordView& record);
    // Tag key ranges that hold the whole set (from the condition's top-level conjuncts); a
    // cursor in one of those tags' order can be scoped to its range.
    const std::vector<QueryPlanner::TagRange>& enclosingRanges() const { return ranges_; }
    // False only for records surely outside the set (a bit test, no record read).
    bool mayAccept(uint32_t recno) const;

    void recordWritten(uint32_t recno, const uint8_t* oldRecord, const uint8_t* newRecord) override;
    void tableRewritten() override;

private:
    class BitmapFilter;
    class BitmapOrder;

    void rebuild();
    void refresh();
    bool matches(const RecordView& record) const;
    uint32_t nextCandidate(uint32_t recno) const;
    uint32_t nextChanged(uint32_t recno) const;
    uint32_t previousCandidate(uint32_t recno) const;
    const Expression& cached(std::string_view text);
    uint32_t step(uint32_t recno, bool forward);

    RecordScanner& table_;
    ExpressionOptions options_;
    std::string text_;
    std::optional<Expression> condition_;
    RecordBitmap members_;
    std::vector<QueryPlanner::TagRange> ranges_;
    RecordBitmap changed_;
    // The last answer of changed_.nextSet(changedHintFrom_), so a walk through the set does not
    // scan the rest of an (usually empty) bitmap at every step; 0 = no answer kept.
    mutable uint32_t changedHintFrom_ = 0;
    mutable uint32_t changedHint_ = 0;
    bool builtHidden_ = true;
    bool built_ = false;
    std::map<std::string, Expression, std::less<>> cache_;
    std::unique_ptr<BitmapFilter> filter_;
    std::unique_ptr<BitmapOrder> order_;
};

} // namespace xbase
