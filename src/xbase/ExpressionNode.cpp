#include "ExpressionNode.h"

#include "JulianDay.h"
#include "RecordView.h"
#include "XbaseError.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace xbase {

const char* valueTypeName(ValueType type)
{
    switch (type) {
    case ValueType::Text: return "text";
    case ValueType::Number: return "number";
    case ValueType::Date: return "date";
    case ValueType::Logical: return "logical";
    }
    return "?";
}

bool ExpressionNode::logical(const RecordView&) const
{
    throw XbaseError(std::string("a ") + valueTypeName(type_) + " value is no logical");
}

double ExpressionNode::number(const RecordView&) const
{
    throw XbaseError(std::string("a ") + valueTypeName(type_) + " value is no number");
}

std::string_view ExpressionNode::text(const RecordView&) const
{
    throw XbaseError(std::string("a ") + valueTypeName(type_) + " value is no text");
}

const ExpressionNode& ExpressionNode::child(size_t) const
{
    throw XbaseError("expression node has no operands");
}

// ---- text comparison -------------------------------------------------------------------------

int TextCompare::order(std::string_view left, std::string_view right, bool exact)
{
    if (!exact && left.size() > right.size())
        left = left.substr(0, right.size());
    const size_t common = std::min(left.size(), right.size());
    if (common > 0) {
        const int c = std::memcmp(left.data(), right.data(), common);
        if (c != 0)
            return c < 0 ? -1 : 1;
    }
    // The rest of the longer side compares against blanks.
    const std::string_view& longer = left.size() > right.size() ? left : right;
    for (size_t i = common; i < longer.size(); ++i) {
        const auto c = static_cast<uint8_t>(longer[i]);
        if (c != ' ') {
            const bool longerIsBigger = c > ' ';
            return (longerIsBigger == (&longer == &left)) ? 1 : -1;
        }
    }
    return 0;
}

bool TextCompare::equal(std::string_view left, std::string_view right, bool exact)
{
    if (exact)
        return order(left, right, true) == 0;
    return left.size() >= right.size() && std::memcmp(left.data(), right.data(), right.size()) == 0;
}

namespace nodes {

double parseNumber(const char* text, size_t length)
{
    size_t i = 0;
    while (i < length && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    double whole = 0;
    for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i)
        whole = whole * 10 + (text[i] - '0');
    if (i < length && (text[i] == '.' || text[i] == ',')) {
        ++i;
        double scale = 1;
        double fraction = 0;
        for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i) {
            fraction = fraction * 10 + (text[i] - '0');
            scale *= 10;
        }
        whole += fraction / scale;
    }
    if (i < length && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < length && (text[i] == '-' || text[i] == '+')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        int exponent = 0;
        for (; i < length && text[i] >= '0' && text[i] <= '9'; ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), 400);
        if (whole != 0) // 0 times an overflowing power would read as NaN
            whole *= std::pow(10.0, negativeExponent ? -exponent : exponent);
    }
    return negative ? -whole : whole;
}

namespace {

// ---- literals --------------------------------------------------------------------------------

class TextLiteral final : public ExpressionNode {
public:
    explicit TextLiteral(std::string value)
        : ExpressionNode(ValueType::Text, Kind::Literal, static_cast<uint32_t>(value.size())), value_(std::move(value)) {}
    bool isConstant() const override { return true; }
    std::string_view text(const RecordView&) const override { return value_; }

private:
    std::string value_;
};

class NumberLiteral final : public ExpressionNode {
public:
    NumberLiteral(double value, ValueType type) : ExpressionNode(type, Kind::Literal), value_(value) {}
    bool isConstant() const override { return true; }
    double number(const RecordView&) const override { return value_; }

private:
    double value_;
};

class LogicalLiteral final : public ExpressionNode {
public:
    explicit LogicalLiteral(bool value) : ExpressionNode(ValueType::Logical, Kind::Literal), value_(value) {}
    bool isConstant() const override { return true; }
    bool logical(const RecordView&) const override { return value_; }

private:
    bool value_;
};

// ---- fields ----------------------------------------------------------------------------------

class TextField final : public ExpressionNode {
public:
    TextField(uint32_t offset, uint32_t width)
        : ExpressionNode(ValueType::Text, Kind::Other, width), offset_(offset) {}
    std::string_view text(const RecordView& record) const override
    {
        return {reinterpret_cast<const char*>(record.record()) + offset_, width()};
    }

private:
    uint32_t offset_;
};

class MemoField final : public ExpressionNode {
public:
    explicit MemoField(int index) : ExpressionNode(ValueType::Text, Kind::Other, 0, false), index_(index) {}
    std::string_view text(const RecordView& record) const override
    {
        scratch_ = record.memoText(index_);
        return scratch_;
    }

private:
    int index_;
    mutable std::string scratch_;
};

class NumberTextField final : public ExpressionNode {
public:
    NumberTextField(uint32_t offset, uint32_t width)
        : ExpressionNode(ValueType::Number, Kind::Other), offset_(offset), width_(width) {}
    double number(const RecordView& record) const override
    {
        return parseNumber(reinterpret_cast<const char*>(record.record()) + offset_, width_);
    }

private:
    uint32_t offset_;
    uint32_t width_;
};

// The wider dialects' binary fields: I (int32), B (double), Y (currency, int64 in 1/10000),
// T (int32 Julian day and int32 milliseconds), all little-endian.
class BinaryField final : public ExpressionNode {
public:
    BinaryField(char typeLetter, uint32_t offset)
        : ExpressionNode(typeLetter == 'T' ? ValueType::Date : ValueType::Number, Kind::Other),
          letter_(typeLetter), offset_(offset) {}
    double number(const RecordView& record) const override
    {
        const uint8_t* p = record.record() + offset_;
        switch (letter_) {
        case 'I': return static_cast<double>(static_cast<int32_t>(readLe(p, 4)));
        case 'B': {
            const uint64_t bits = readLe(p, 8);
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? value : 0.0;
        }
        case 'Y': return static_cast<double>(static_cast<int64_t>(readLe(p, 8))) / 10000.0;
        default: {
            const auto day = static_cast<int32_t>(readLe(p, 4));
            const auto ms = static_cast<int32_t>(readLe(p + 4, 4));
            return day <= 0 ? 0.0 : day + ms / 86400000.0;
        }
        }
    }

private:
    static uint64_t readLe(const uint8_t* p, int count)
    {
        uint64_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = (value << 8) | p[i];
        return value;
    }
    char letter_;
    uint32_t offset_;
};

class LogicalField final : public ExpressionNode {
public:
    explicit LogicalField(uint32_t offset) : ExpressionNode(ValueType::Logical, Kind::Other), offset_(offset) {}
    bool logical(const RecordView& record) const override
    {
        const uint8_t c = record.record()[offset_];
        return c == 'T' || c == 't' || c == 'Y' || c == 'y';
    }

private:
    uint32_t offset_;
};

class DateField final : public ExpressionNode {
public:
    explicit DateField(uint32_t offset) : ExpressionNode(ValueType::Date, Kind::Other), offset_(offset) {}
    double number(const RecordView& record) const override
    {
        return static_cast<double>(JulianDay::fromText({reinterpret_cast<const char*>(record.record()) + offset_, 8}));
    }

private:
    uint32_t offset_;
};

// ---- logic -----------------------------------------------------------------------------------

class AndNode final : public ExpressionNode {
public:
    AndNode(NodePtr left, NodePtr right)
        : ExpressionNode(ValueType::Logical, Kind::And), left_(std::move(left)), right_(std::move(right)) {}
    bool logical(const RecordView& record) const override { return left_->logical(record) && right_->logical(record); }
    size_t childCount() const override { return 2; }
    const ExpressionNode& child(size_t index) const override { return index == 0 ? *left_ : *right_; }

private:
    NodePtr left_, right_;
};

class OrNode final : public ExpressionNode {
public:
    OrNode(NodePtr left, NodePtr right)
        : ExpressionNode(ValueType::Logical, Kind::Or), left_(std::move(left)), right_(std::move(right)) {}
    bool logical(const RecordView& record) const override { return left_->logical(record) || right_->logical(record); }
    size_t childCount() const override { return 2; }
    const ExpressionNode& child(size_t index) const override { return index == 0 ? *left_ : *right_; }

private:
    NodePtr left_, right_;
};

class NotNode final : public ExpressionNode {
public:
    explicit NotNode(NodePtr operand) : ExpressionNode(ValueType::Logical, Kind::Not), operand_(std::move(operand)) {}
    bool logical(const RecordView& record) const override { return !operand_->logical(record); }
    size_t childCount() const override { return 1; }
    const ExpressionNode& child(size_t) const override { return *operand_; }

private:
    NodePtr operand_;
};

// ---- arithmetic and joins --------------------------------------------------------------------

class JoinNode final : public ExpressionNode {
public:
    // `moveBlanks`: the "-" join, which moves the left side's trailing blanks behind the right side.
    JoinNode(NodePtr left, NodePtr right, bool moveBlanks)
        : ExpressionNode(ValueType::Text, moveBlanks ? Kind::Other : Kind::Concat,
                         left->width() + right->width(), left->fixedWidth() && right->fixedWidth()),
          left_(std::move(left)), right_(std::move(right)), moveBlanks_(moveBlanks)
    {
        scratch_.reserve(width());
    }
    std::string_view text(const RecordView& record) const override
    {
        const std::string_view l = left_->text(record);
        if (!moveBlanks_) {
            scratch_.assign(l.data(), l.size());
            const std::string_view r = right_->text(record);
            scratch_.append(r.data(), r.size());
            return scratch_;
        }
        size_t kept = l.size();
        while (kept > 0 && l[kept - 1] == ' ')
            --kept;
        scratch_.assign(l.data(), kept);
        const std::string_view r = right_->text(record);
        scratch_.append(r.data(), r.size());
        scratch_.append(l.size() - kept, ' ');
        return scratch_;
    }
    size_t childCount() const override { return 2; }
    const ExpressionNode& child(size_t index) const override { return index == 0 ? *left_ : *right_; }

private:
    NodePtr left_, right_;
    bool moveBlanks_;
    mutable std::string scratch_;
};

class NumberOp final : public ExpressionNode {
public:
    NumberOp(char op, ValueType resultType, NodePtr left, NodePtr right)
        : ExpressionNode(resultType, Kind::Other), op_(op), left_(std::move(left)), right_(std::move(right)) {}
    double number(const RecordView& record) const override
    {
        const double l = left_->number(record);
        const double r = right_->number(record);
        switch (op_) {
        case '+': return l + r;
        case '-': return l - r;
        case '*': return l * r;
        // A zero divisor yields 0 rather than stopping a whole scan on one odd record.
        case '/': return r == 0 ? 0.0 : l / r;
        default: return r == 0 ? 0.0 : std::fmod(l, r);
        }
    }
    size_t childCount() const override { return 2; }
    const ExpressionNode& child(size_t index) const override { return index == 0 ? *left_ : *right_; }

private:
    char op_;
    NodePtr left_, right_;
};

class NegateNode final : public ExpressionNode {
public:
    explicit NegateNode(NodePtr operand) : ExpressionNode(ValueType::Number, Kind::Other), operand_(std::move(operand)) {}
    double number(const RecordView& record) const override { return -operand_->number(record); }
    size_t childCount() const override { return 1; }
    const ExpressionNode& child(size_t) const override { return *operand_; }

private:
    NodePtr operand_;
};

bool isNumeric(ValueType type)
{
    return type == ValueType::Number || type == ValueType::Date;
}

} // namespace

NodePtr literalText(std::string value) { return std::make_unique<TextLiteral>(std::move(value)); }
NodePtr literalNumber(double value) { return std::make_unique<NumberLiteral>(value, ValueType::Number); }
NodePtr literalDate(double julianDay) { return std::make_unique<NumberLiteral>(julianDay, ValueType::Date); }
NodePtr literalLogical(bool value) { return std::make_unique<LogicalLiteral>(value); }

NodePtr field(const RecordView& layout, int fieldIndex)
{
    const FieldDef& f = layout.fields()[static_cast<size_t>(fieldIndex)];
    switch (f.type) {
    case 'N': case 'F':
        return std::make_unique<NumberTextField>(f.offset, f.width);
    case 'L':
        return std::make_unique<LogicalField>(f.offset);
    case 'D':
        if (f.width >= 8)
            return std::make_unique<DateField>(f.offset);
        break;
    case 'I':
        if (f.width >= 4)
            return std::make_unique<BinaryField>('I', f.offset);
        break;
    case 'B': case 'Y': case 'T':
        if (f.width == 8)
            return std::make_unique<BinaryField>(f.type, f.offset);
        if (f.width == 10) // a memo block number in the dialects where B and similar letters are memos
            return std::make_unique<MemoField>(fieldIndex);
        break;
    case 'M': case 'G': case 'P':
        return std::make_unique<MemoField>(fieldIndex);
    default:
        break;
    }
    return std::make_unique<TextField>(f.offset, f.width);
}

NodePtr logicalAnd(NodePtr left, NodePtr right)
{
    if (left->type() != ValueType::Logical || right->type() != ValueType::Logical)
        throw XbaseError(".AND. needs logical operands");
    return std::make_unique<AndNode>(std::move(left), std::move(right));
}

NodePtr logicalOr(NodePtr left, NodePtr right)
{
    if (left->type() != ValueType::Logical || right->type() != ValueType::Logical)
        throw XbaseError(".OR. needs logical operands");
    return std::make_unique<OrNode>(std::move(left), std::move(right));
}

NodePtr logicalNot(NodePtr operand)
{
    if (operand->type() != ValueType::Logical)
        throw XbaseError("NOT needs a logical operand");
    return std::make_unique<NotNode>(std::move(operand));
}

NodePtr negate(NodePtr operand)
{
    if (operand->type() != ValueType::Number)
        throw XbaseError("unary minus needs a number");
    return std::make_unique<NegateNode>(std::move(operand));
}

NodePtr arithmetic(char op, NodePtr left, NodePtr right)
{
    const ValueType l = left->type();
    const ValueType r = right->type();
    if ((op == '+' || op == '-') && l == ValueType::Text && r == ValueType::Text)
        return std::make_unique<JoinNode>(std::move(left), std::move(right), op == '-');
    if (l == ValueType::Number && r == ValueType::Number)
        return std::make_unique<NumberOp>(op, ValueType::Number, std::move(left), std::move(right));
    if (op == '+' && isNumeric(l) && isNumeric(r) && (l == ValueType::Number || r == ValueType::Number))
        return std::make_unique<NumberOp>(op, ValueType::Date, std::move(left), std::move(right));
    if (op == '-' && l == ValueType::Date && r == ValueType::Number)
        return std::make_unique<NumberOp>(op, ValueType::Date, std::move(left), std::move(right));
    if (op == '-' && l == ValueType::Date && r == ValueType::Date)
        return std::make_unique<NumberOp>(op, ValueType::Number, std::move(left), std::move(right));
    throw XbaseError(std::string("operator ") + op + " cannot combine " + valueTypeName(l) + " and " + valueTypeName(r));
}

std::string displayText(const ExpressionNode& node, const RecordView& record)
{
    switch (node.type()) {
    case ValueType::Text: return std::string(node.text(record));
    case ValueType::Logical: return node.logical(record) ? "T" : "F";
    case ValueType::Date: {
        char text[8];
        JulianDay::toText(JulianDay::fromNumber(node.number(record)), text);
        return std::string(text, 8);
    }
    case ValueType::Number: {
        const double value = node.number(record);
        char text[64];
        if (value == std::floor(value) && std::fabs(value) < 1e15)
            std::snprintf(text, sizeof text, "%.0f", value);
        else
            std::snprintf(text, sizeof text, "%.10g", value);
        return text;
    }
    }
    return {};
}

} // namespace nodes

// ---- comparison ------------------------------------------------------------------------------

CompareNode::CompareNode(CompareOp op, NodePtr left, NodePtr right, bool exact)
    : ExpressionNode(ValueType::Logical, Kind::Compare), op_(op), left_(std::move(left)), right_(std::move(right)), exact_(exact)
{
    const ValueType l = left_->type();
    const ValueType r = right_->type();
    const bool bothText = l == ValueType::Text && r == ValueType::Text;
    const bool bothNumeric = nodes::isNumeric(l) && nodes::isNumeric(r) && l == r;
    const bool bothLogical = l == ValueType::Logical && r == ValueType::Logical;
    if (op == CompareOp::Contains) {
        if (!bothText)
            throw XbaseError("$ needs text on both sides");
        return;
    }
    if (bothLogical && op != CompareOp::Equal && op != CompareOp::ExactEqual && op != CompareOp::NotEqual)
        throw XbaseError("logical values compare only for equality");
    if (!bothText && !bothNumeric && !bothLogical)
        throw XbaseError(std::string("cannot compare ") + valueTypeName(l) + " with " + valueTypeName(r));
}

namespace {

template <typename T>
bool ordered(CompareOp op, T l, T r)
{
    switch (op) {
    case CompareOp::Equal: case CompareOp::ExactEqual: return l == r;
    case CompareOp::NotEqual: return l != r;
    case CompareOp::Less: return l < r;
    case CompareOp::LessEqual: return l <= r;
    case CompareOp::Greater: return l > r;
    case CompareOp::GreaterEqual: return l >= r;
    case CompareOp::Contains: return false;
    }
    return false;
}

} // namespace

bool CompareNode::logical(const RecordView& record) const
{
    switch (left_->type()) {
    case ValueType::Text: {
        const std::string_view l = left_->text(record);
        const std::string_view r = right_->text(record);
        switch (op_) {
        case CompareOp::Equal: return TextCompare::equal(l, r, exact_);
        case CompareOp::NotEqual: return !TextCompare::equal(l, r, exact_);
        case CompareOp::ExactEqual: return l == r;
        // An empty text is contained in every text.
        case CompareOp::Contains: return r.find(l) != std::string_view::npos;
        default: return ordered(op_, TextCompare::order(l, r, exact_), 0);
        }
    }
    case ValueType::Logical:
        return ordered(op_, left_->logical(record), right_->logical(record));
    case ValueType::Number:
    case ValueType::Date:
        return ordered(op_, left_->number(record), right_->number(record));
    }
    return false;
}

} // namespace xbase
