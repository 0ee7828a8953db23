#include "QueryPlanner.h"

#include "DetachedRecord.h"
#include "SortableDouble.h"
#include "XbaseError.h"
#include "XbaseExpressionCompiler.h"

#include <algorithm>

namespace xbase {

namespace {

// Below this share of the table, checking the remaining conjuncts record by record is cheaper
// than walking their key ranges.
constexpr uint32_t kCandidateShareDivisor = 64;

void flatten(const ExpressionNode& node, ExpressionNode::Kind kind, std::vector<const ExpressionNode*>& out)
{
    if (node.kind() == kind) {
        flatten(node.child(0), kind, out);
        flatten(node.child(1), kind, out);
    } else {
        out.push_back(&node);
    }
}

KeyBound bound(std::string bytes, bool inclusive = true)
{
    KeyBound b;
    b.present = true;
    b.inclusive = inclusive;
    b.bytes = std::move(bytes);
    return b;
}

// Equality conjuncts narrow most, so they go first; bare logicals such as !ISDEL narrow least.
int selectivityRank(const ExpressionNode& node)
{
    if (node.kind() == ExpressionNode::Kind::Compare) {
        const auto& compare = static_cast<const CompareNode&>(node);
        if (compare.op() == CompareOp::Equal || compare.op() == CompareOp::ExactEqual)
            return 0;
        return 1;
    }
    if (node.kind() == ExpressionNode::Kind::Or)
        return 2;
    return 3;
}

} // namespace

QueryPlanner::QueryPlanner(KeyRangeSource& source, const RecordView& layout, uint32_t recordCount, ExpressionOptions options)
    : source_(source), layout_(layout), recordCount_(recordCount), options_(options)
{
    const std::vector<TagDescription> descriptions = source_.tagDescriptions();
    for (size_t i = 0; i < descriptions.size(); ++i) {
        const TagDescription& d = descriptions[i];
        if (!d.forExpression.empty() || d.unique)
            continue;
        try {
            const Expression key = Expression::compile(d.keyExpression, layout_, options_);
            Tag tag;
            tag.index = i;
            tag.type = XbaseExpressionCompiler::keyTypeOf(key);
            const ExpressionNode& root = key.root();
            if (tag.type != KeyType::Character) {
                tag.parts.push_back({root.canonical(), 0});
            } else {
                // Every leading run of a "+" join of fixed-width parts is a usable prefix.
                std::vector<const ExpressionNode*> operands;
                flatten(root, ExpressionNode::Kind::Concat, operands);
                std::string canonical;
                uint32_t width = 0;
                for (const ExpressionNode* operand : operands) {
                    if (!operand->fixedWidth())
                        break;
                    canonical += (canonical.empty() ? "" : "+") + operand->canonical();
                    width += operand->width();
                    tag.parts.push_back({canonical, width});
                }
                const uint16_t keyLength = XbaseExpressionCompiler::keyLengthOf(key, layout_);
                while (!tag.parts.empty() && tag.parts.back().width > keyLength)
                    tag.parts.pop_back();
            }
            if (!tag.parts.empty())
                tags_.push_back(std::move(tag));
        } catch (const XbaseError&) {
            // A tag this layout cannot compile answers nothing; the scan still does.
        }
    }
}

std::optional<QueryPlanner::Match> QueryPlanner::findTag(const ExpressionNode& operand) const
{
    const bool text = operand.type() == ValueType::Text;
    if (text && !operand.fixedWidth())
        return std::nullopt;
    for (const Tag& tag : tags_) {
        if ((tag.type == KeyType::Character) != text)
            continue;
        for (const KeyPart& part : tag.parts) {
            if (part.canonical == operand.canonical() && (!text || part.width == operand.width()))
                return Match{&tag, part.width};
        }
    }
    return std::nullopt;
}

RecordBitmap QueryPlanner::visit(const Tag& tag, const KeyBound& low, const KeyBound& high)
{
    RecordBitmap records(recordCount_);
    source_.visitRange(tag.index, low, high, [&records](uint32_t recno) { records.set(recno); });
    return records;
}

std::optional<QueryPlanner::Plan> QueryPlanner::plan(const ExpressionNode& node)
{
    switch (node.kind()) {
    case ExpressionNode::Kind::And: return planAnd(node);
    case ExpressionNode::Kind::Or: return planOr(node);
    case ExpressionNode::Kind::Not: {
        std::optional<Plan> inner = plan(node.child(0));
        if (!inner || !inner->exact) {
            std::optional<Plan> whole = planLogical(node);
            return whole;
        }
        inner->records.invert();
        return inner;
    }
    case ExpressionNode::Kind::Compare: {
        std::optional<Plan> answered = planCompare(node);
        return answered ? answered : planLogical(node);
    }
    case ExpressionNode::Kind::Literal: {
        const DetachedRecord blank = DetachedRecord::blankLike(layout_);
        return Plan{RecordBitmap(recordCount_, node.logical(blank)), true};
    }
    default:
        return planLogical(node);
    }
}

bool QueryPlanner::answerable(const ExpressionNode& node) const
{
    switch (node.kind()) {
    case ExpressionNode::Kind::And:
    case ExpressionNode::Kind::Or:
        return answerable(node.child(0)) && answerable(node.child(1));
    case ExpressionNode::Kind::Not:
        return answerable(node.child(0)) || findTag(node).has_value();
    case ExpressionNode::Kind::Literal:
        return true;
    case ExpressionNode::Kind::Compare: {
        const auto& compare = static_cast<const CompareNode&>(node);
        if (compare.child(1).isConstant() && compare.op() != CompareOp::Contains
            && compare.child(0).type() != ValueType::Logical && findTag(compare.child(0)))
            return true;
        break;
    }
    default:
        break;
    }
    const std::optional<Match> match = findTag(node);
    return match && match->tag->type == KeyType::Logical;
}

std::optional<QueryPlanner::Plan> QueryPlanner::planAnd(const ExpressionNode& node)
{
    std::vector<const ExpressionNode*> conjuncts;
    flatten(node, ExpressionNode::Kind::And, conjuncts);
    std::stable_sort(conjuncts.begin(), conjuncts.end(),
                     [](const ExpressionNode* a, const ExpressionNode* b) { return selectivityRank(*a) < selectivityRank(*b); });
    // When some conjunct must be read from the records anyway, a flag such as !ISDEL is cheaper
    // to check there than to collect from its tag.
    const bool scanFollows = !std::all_of(conjuncts.begin(), conjuncts.end(),
                                          [this](const ExpressionNode* c) { return answerable(*c); });
    std::optional<Plan> result;
    bool exact = true;
    for (const ExpressionNode* conjunct : conjuncts) {
        if (scanFollows && selectivityRank(*conjunct) == 3) {
            exact = false;
            continue;
        }
        if (result && result->records.population() < recordCount_ / kCandidateShareDivisor) {
            exact = false; // few candidates left: the caller checks the rest on the records
            break;
        }
        std::optional<Plan> part = plan(*conjunct);
        if (!part) {
            exact = false;
            continue;
        }
        exact = exact && part->exact;
        if (!result)
            result = std::move(part);
        else
            result->records &= part->records;
    }
    if (result)
        result->exact = exact;
    return result;
}

std::optional<QueryPlanner::Plan> QueryPlanner::planOr(const ExpressionNode& node)
{
    std::vector<const ExpressionNode*> disjuncts;
    flatten(node, ExpressionNode::Kind::Or, disjuncts);
    Plan result{RecordBitmap(recordCount_), true};
    for (const ExpressionNode* disjunct : disjuncts) {
        std::optional<Plan> part = plan(*disjunct);
        if (!part)
            return planLogical(node);
        result.exact = result.exact && part->exact;
        result.records |= part->records;
    }
    return result;
}

std::optional<QueryPlanner::Plan> QueryPlanner::planLogical(const ExpressionNode& node)
{
    const std::optional<Match> match = findTag(node);
    if (!match || match->tag->type != KeyType::Logical)
        return std::nullopt;
    return Plan{visit(*match->tag, bound("T"), bound("T")), true};
}

std::optional<QueryPlanner::CompareRange> QueryPlanner::compareRange(const ExpressionNode& node) const
{
    const auto& compare = static_cast<const CompareNode&>(node);
    const ExpressionNode& left = compare.child(0);
    const ExpressionNode& right = compare.child(1);
    if (!right.isConstant() || compare.op() == CompareOp::Contains || left.type() == ValueType::Logical)
        return std::nullopt;
    const std::optional<Match> match = findTag(left);
    if (!match)
        return std::nullopt;
    CompareRange range;
    range.tag = match->tag;
    const DetachedRecord blank = DetachedRecord::blankLike(layout_);
    CompareOp op = compare.op();
    range.negated = op == CompareOp::NotEqual;
    if (range.negated)
        op = CompareOp::Equal;

    std::string value;
    if (left.type() == ValueType::Text) {
        value = std::string(right.text(blank));
        const uint32_t width = match->width;
        const bool exact = compare.exact();
        if (op == CompareOp::ExactEqual) {
            range.impossible = value.size() != width;
        } else if (op == CompareOp::Equal && exact) {
            while (!value.empty() && value.back() == ' ')
                value.pop_back();
            range.impossible = value.size() > width;
            value.resize(width, ' ');
        } else if (op == CompareOp::Equal) {
            range.impossible = value.size() > width;
        } else {
            if (value.size() > width)
                return std::nullopt; // the shorter left side would compare blank-padded
            if (exact)
                value.resize(width, ' ');
        }
        if (range.impossible)
            return range;
    } else {
        const double number = right.number(blank);
        if (number != number)
            return std::nullopt; // NaN: no key range holds what no comparison accepts
        value.resize(8);
        SortableDouble::encode(number, value.data());
    }

    switch (op) {
    case CompareOp::Equal:
    case CompareOp::ExactEqual:
        if (!value.empty()) {
            range.low = bound(value);
            range.high = bound(value);
        }
        break;
    case CompareOp::Less: range.high = bound(value, false); break;
    case CompareOp::LessEqual: range.high = bound(value); break;
    case CompareOp::Greater: range.low = bound(value, false); break;
    case CompareOp::GreaterEqual: range.low = bound(value); break;
    default: return std::nullopt;
    }
    return range;
}

std::optional<QueryPlanner::Plan> QueryPlanner::planCompare(const ExpressionNode& node)
{
    const std::optional<CompareRange> range = compareRange(node);
    if (!range)
        return std::nullopt;
    Plan result{range->impossible ? RecordBitmap(recordCount_) : visit(*range->tag, range->low, range->high), true};
    if (range->negated)
        result.records.invert();
    return result;
}

std::vector<QueryPlanner::TagRange> QueryPlanner::enclosingRanges(const ExpressionNode& node) const
{
    std::vector<TagRange> ranges;
    if (node.kind() == ExpressionNode::Kind::And) {
        for (size_t i = 0; i < 2; ++i)
            for (TagRange& range : enclosingRanges(node.child(i)))
                ranges.push_back(std::move(range));
    } else if (node.kind() == ExpressionNode::Kind::Compare) {
        const std::optional<CompareRange> range = compareRange(node);
        if (range && !range->negated && !range->impossible && (range->low.present || range->high.present))
            ranges.push_back({range->tag->index, range->low, range->high});
    }
    return ranges;
}

std::optional<RecordBitmap> QueryPlanner::flaggedRecords()
{
    const Expression deleted = Expression::compile("DELETED()", layout_);
    const std::optional<Match> match = findTag(deleted.root());
    if (!match)
        return std::nullopt;
    return visit(*match->tag, bound("T"), bound("T"));
}

} // namespace xbase
