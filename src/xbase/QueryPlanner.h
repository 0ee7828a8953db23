// Answers the parts of a condition that an open index can answer, the way the best xBase
// engines do: a comparison whose left side is a tag's key expression (or a leading "+" part of
// it) and whose right side is constant becomes a key range; a logical expression that is a
// tag's key becomes the range 'T'. Ranges fill record bitmaps, combined by AND, OR and NOT.
//
// Contract: only tags without FOR condition and without the unique flag are used, since only
// they hold every record. The bitmap of a plan that is not exact is a superset of the matches:
// the caller evaluates the condition on those candidates.
#pragma once

#include "Expression.h"
#include "KeyExpression.h"
#include "KeyRangeSource.h"
#include "RecordBitmap.h"

#include <optional>
#include <string>
#include <vector>

namespace xbase {

class QueryPlanner {
public:
    struct Plan {
        RecordBitmap records;
        bool exact = false;
    };

    // A key range of one tag that holds every record of a condition's set.
    struct TagRange {
        size_t tagIndex = 0; // position in the source's tagDescriptions()
        KeyBound low;
        KeyBound high;
    };

    QueryPlanner(KeyRangeSource& source, const RecordView& layout, uint32_t recordCount, ExpressionOptions options);
    // Nothing when no tag helps with the condition.
    std::optional<Plan> plan(const ExpressionNode& condition);
    // Whether plan() would answer the condition wholly from tags, judged without reading them.
    bool answerable(const ExpressionNode& condition) const;
    // Ranges that enclose the set: one for each top-level conjunct comparing a tag's key (or
    // its leading part) with a constant. A cursor in that tag's order need look nowhere else.
    std::vector<TagRange> enclosingRanges(const ExpressionNode& condition) const;
    // The delete-flagged records, when a tag is keyed on DELETED().
    std::optional<RecordBitmap> flaggedRecords();

private:
    struct KeyPart {
        std::string canonical;
        uint32_t width = 0; // bytes at the start of the key; 0 for a whole non-text key
    };
    struct Tag {
        size_t index = 0;
        KeyType type = KeyType::Character;
        std::vector<KeyPart> parts;
    };
    struct Match {
        const Tag* tag = nullptr;
        uint32_t width = 0;
    };

    std::optional<Plan> planAnd(const ExpressionNode& node);
    std::optional<Plan> planOr(const ExpressionNode& node);
    std::optional<Plan> planCompare(const ExpressionNode& node);
    struct CompareRange {
        const Tag* tag = nullptr;
        KeyBound low;
        KeyBound high;
        bool negated = false;
        bool impossible = false; // no key can satisfy the comparison
    };
    std::optional<CompareRange> compareRange(const ExpressionNode& node) const;
    std::optional<Plan> planLogical(const ExpressionNode& node);
    std::optional<Match> findTag(const ExpressionNode& operand) const;
    RecordBitmap visit(const Tag& tag, const KeyBound& low, const KeyBound& high);

    KeyRangeSource& source_;
    const RecordView& layout_;
    uint32_t recordCount_;
    ExpressionOptions options_;
    std::vector<Tag> tags_;
};

} // namespace xbase
