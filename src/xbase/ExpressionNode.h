// The compiled form of an expression: a tree of nodes, each knowing its result type and, for
// text, the most bytes it can yield. Evaluation reads field bytes straight from the record and
// writes intermediate text into buffers each node reserved at compile time, so a record costs
// no allocation (memo fields excepted).
//
// Contract: a node is evaluated only in the type it reports. Nodes keep scratch buffers, so one
// tree must not be evaluated by two threads at once.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {

class RecordView;

enum class ValueType { Text, Number, Date, Logical };

const char* valueTypeName(ValueType type);

enum class CompareOp { Equal, ExactEqual, NotEqual, Less, LessEqual, Greater, GreaterEqual, Contains };

class ExpressionNode {
public:
    enum class Kind { Other, Literal, And, Or, Not, Compare, Concat };

    virtual ~ExpressionNode() = default;
    ValueType type() const { return type_; }
    Kind kind() const { return kind_; }
    // Text: the most bytes the node yields; fixedWidth() when it always yields exactly that many.
    uint32_t width() const { return width_; }
    bool fixedWidth() const { return fixedWidth_; }
    // The expression in one spelling (upper case, no blanks outside literals), used to recognise
    // an index tag's key expression inside a condition.
    const std::string& canonical() const { return canonical_; }
    void setCanonical(std::string text) { canonical_ = std::move(text); }
    // Levels of nodes below and including this one; the parser caps it so evaluation and
    // destruction never run out of stack.
    uint32_t depth() const { return depth_; }
    void setDepth(uint32_t depth) { depth_ = depth; }
    // True when the value does not depend on the record.
    virtual bool isConstant() const { return false; }

    virtual bool logical(const RecordView& record) const;
    virtual double number(const RecordView& record) const;
    virtual std::string_view text(const RecordView& record) const;

    virtual size_t childCount() const { return 0; }
    virtual const ExpressionNode& child(size_t index) const;

protected:
    ExpressionNode(ValueType type, Kind kind, uint32_t width = 0, bool fixedWidth = true)
        : type_(type), kind_(kind), width_(width), fixedWidth_(fixedWidth) {}
    void setWidth(uint32_t width, bool fixed) { width_ = width; fixedWidth_ = fixed; }

private:
    ValueType type_;
    Kind kind_;
    uint32_t width_;
    bool fixedWidth_;
    uint32_t depth_ = 1;
    std::string canonical_;
};

using NodePtr = std::unique_ptr<ExpressionNode>;

// A comparison; the planner reads its operands and operator.
class CompareNode final : public ExpressionNode {
public:
    CompareNode(CompareOp op, NodePtr left, NodePtr right, bool exact);
    bool logical(const RecordView& record) const override;
    size_t childCount() const override { return 2; }
    const ExpressionNode& child(size_t index) const override { return index == 0 ? *left_ : *right_; }
    CompareOp op() const { return op_; }
    bool exact() const { return exact_; }

private:
    CompareOp op_;
    NodePtr left_;
    NodePtr right_;
    bool exact_;
};

// Text comparison as the operators define it; shared with the planner so index ranges agree.
struct TextCompare {
    // Ordering: with exact off a longer left side is cut to the right side's length; the shorter
    // side then counts as padded with blanks.
    static int order(std::string_view left, std::string_view right, bool exact);
    // "=": exact off, the left text begins with the right one; exact on, equal but for trailing blanks.
    static bool equal(std::string_view left, std::string_view right, bool exact);
};

// Node factories used by the parser.
namespace nodes {
NodePtr literalText(std::string value);
NodePtr literalNumber(double value);
NodePtr literalDate(double julianDay);
NodePtr literalLogical(bool value);
NodePtr field(const RecordView& layout, int fieldIndex);
NodePtr logicalAnd(NodePtr left, NodePtr right);
NodePtr logicalOr(NodePtr left, NodePtr right);
NodePtr logicalNot(NodePtr operand);
NodePtr negate(NodePtr operand);
// "+" and "-" on text (join), numbers and dates; "*", "/", "%" on numbers. Throws on a type mismatch.
NodePtr arithmetic(char op, NodePtr left, NodePtr right);
// Text of an evaluated node in any type: numbers as STR() gives them, dates as YYYYMMDD, logicals T/F.
std::string displayText(const ExpressionNode& node, const RecordView& record);
// Reads a stored N/F field or any number text; blanks give 0.
double parseNumber(const char* text, size_t length);
} // namespace nodes

} // namespace xbase
