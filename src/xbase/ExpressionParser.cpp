#include "ExpressionParser.h"

#include "DetachedRecord.h"
#include "ExpressionFunctions.h"
#include "RecordView.h"
#include "XbaseError.h"

#include <cstdio>

namespace xbase {

using Kind = ExpressionToken::Kind;

namespace {

// Counts one level of recursion in the parser, so deep nesting fails before the stack does.
class NestingGuard {
public:
    NestingGuard(uint32_t& nesting, uint32_t limit, size_t position) : nesting_(nesting)
    {
        if (++nesting_ > limit) {
            --nesting_;
            throw XbaseError("expression error at position " + std::to_string(position) + ": nested too deeply");
        }
    }
    ~NestingGuard() { --nesting_; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

private:
    uint32_t& nesting_;
};

std::string numberCanonical(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

const char* compareSpelling(CompareOp op)
{
    switch (op) {
    case CompareOp::Equal: return "=";
    case CompareOp::ExactEqual: return "==";
    case CompareOp::NotEqual: return "<>";
    case CompareOp::Less: return "<";
    case CompareOp::LessEqual: return "<=";
    case CompareOp::Greater: return ">";
    case CompareOp::GreaterEqual: return ">=";
    case CompareOp::Contains: return "$";
    }
    return "?";
}

bool compareOp(Kind kind, CompareOp& op)
{
    switch (kind) {
    case Kind::Equal: op = CompareOp::Equal; return true;
    case Kind::ExactEqual: op = CompareOp::ExactEqual; return true;
    case Kind::NotEqual: op = CompareOp::NotEqual; return true;
    case Kind::Less: op = CompareOp::Less; return true;
    case Kind::LessEqual: op = CompareOp::LessEqual; return true;
    case Kind::Greater: op = CompareOp::Greater; return true;
    case Kind::GreaterEqual: op = CompareOp::GreaterEqual; return true;
    case Kind::Contains: op = CompareOp::Contains; return true;
    default: return false;
    }
}

} // namespace

ExpressionParser::ExpressionParser(std::string_view text, const RecordView& layout, bool exact)
    : lexer_(text), layout_(layout), exact_(exact)
{
}

void ExpressionParser::fail(const std::string& message, size_t position) const
{
    throw XbaseError("expression error at position " + std::to_string(position) + ": " + message);
}

void ExpressionParser::expect(Kind kind, const char* what)
{
    if (token_.kind != kind)
        fail(std::string("expected ") + what, token_.position);
    advance();
}

template <typename Build>
NodePtr ExpressionParser::build(size_t position, Build&& make)
{
    try {
        return make();
    } catch (const XbaseError& error) {
        fail(error.what(), position);
    }
}

NodePtr ExpressionParser::finish(NodePtr node, std::string canonical, size_t position, bool pure)
{
    uint32_t depth = 0;
    bool constantChildren = node->childCount() > 0;
    for (size_t i = 0; i < node->childCount(); ++i) {
        depth = std::max(depth, node->child(i).depth());
        constantChildren = constantChildren && node->child(i).isConstant();
    }
    if (depth + 1 > kMaxDepth)
        fail("nested too deeply", position);
    node->setDepth(depth + 1);
    if (node->type() == ValueType::Text && node->width() > kMaxTextWidth)
        fail("text longer than " + std::to_string(kMaxTextWidth) + " bytes", position);

    if (pure && constantChildren) {
        const DetachedRecord blank = DetachedRecord::blankLike(layout_);
        switch (node->type()) {
        case ValueType::Text: node = nodes::literalText(std::string(node->text(blank))); break;
        case ValueType::Number: node = nodes::literalNumber(node->number(blank)); break;
        case ValueType::Date: node = nodes::literalDate(node->number(blank)); break;
        case ValueType::Logical: node = nodes::literalLogical(node->logical(blank)); break;
        }
    }
    node->setCanonical(std::move(canonical));
    return node;
}

NodePtr ExpressionParser::parse()
{
    advance();
    if (token_.kind == Kind::End)
        fail("empty expression", token_.position);
    NodePtr root = parseOr();
    if (token_.kind != Kind::End)
        fail("unexpected text after the expression", token_.position);
    return root;
}

NodePtr ExpressionParser::parseOr()
{
    NodePtr left = parseAnd();
    while (token_.kind == Kind::Or) {
        const size_t at = token_.position;
        advance();
        NodePtr right = parseAnd();
        std::string canonical = "(" + left->canonical() + ".OR." + right->canonical() + ")";
        left = finish(build(at, [&] { return nodes::logicalOr(std::move(left), std::move(right)); }), std::move(canonical), at);
    }
    return left;
}

NodePtr ExpressionParser::parseAnd()
{
    NodePtr left = parseNot();
    while (token_.kind == Kind::And) {
        const size_t at = token_.position;
        advance();
        NodePtr right = parseNot();
        std::string canonical = "(" + left->canonical() + ".AND." + right->canonical() + ")";
        left = finish(build(at, [&] { return nodes::logicalAnd(std::move(left), std::move(right)); }), std::move(canonical), at);
    }
    return left;
}

NodePtr ExpressionParser::parseNot()
{
    if (token_.kind != Kind::Not)
        return parseComparison();
    const size_t at = token_.position;
    NestingGuard guard(nesting_, kMaxDepth, at);
    advance();
    NodePtr operand = parseNot();
    std::string canonical = "!" + operand->canonical();
    return finish(build(at, [&] { return nodes::logicalNot(std::move(operand)); }), std::move(canonical), at);
}

NodePtr ExpressionParser::parseComparison()
{
    NodePtr left = parseAdditive();
    CompareOp op;
    while (compareOp(token_.kind, op)) {
        const size_t at = token_.position;
        advance();
        NodePtr right = parseAdditive();
        std::string canonical = "(" + left->canonical() + compareSpelling(op) + right->canonical() + ")";
        left = finish(build(at, [&] { return std::make_unique<CompareNode>(op, std::move(left), std::move(right), exact_); }),
                      std::move(canonical), at);
    }
    return left;
}

NodePtr ExpressionParser::parseAdditive()
{
    NodePtr left = parseMultiplicative();
    while (token_.kind == Kind::Plus || token_.kind == Kind::Minus) {
        const size_t at = token_.position;
        const char op = token_.kind == Kind::Plus ? '+' : '-';
        advance();
        NodePtr right = parseMultiplicative();
        // A text join with "+" reads the same however it is grouped, so it keeps no parentheses;
        // that lets a condition on UPPER(LNAME) recognise the tag UPPER(LNAME)+UPPER(FNAME).
        const bool plainJoin = op == '+' && left->type() == ValueType::Text && right->type() == ValueType::Text;
        std::string canonical = plainJoin ? left->canonical() + "+" + right->canonical()
                                          : "(" + left->canonical() + op + right->canonical() + ")";
        left = finish(build(at, [&] { return nodes::arithmetic(op, std::move(left), std::move(right)); }), std::move(canonical), at);
    }
    return left;
}

NodePtr ExpressionParser::parseMultiplicative()
{
    NodePtr left = parseUnary();
    while (token_.kind == Kind::Star || token_.kind == Kind::Slash || token_.kind == Kind::Percent) {
        const size_t at = token_.position;
        const char op = token_.kind == Kind::Star ? '*' : token_.kind == Kind::Slash ? '/' : '%';
        advance();
        NodePtr right = parseUnary();
        std::string canonical = "(" + left->canonical() + op + right->canonical() + ")";
        left = finish(build(at, [&] {
            if (left->type() != ValueType::Number || right->type() != ValueType::Number)
                throw XbaseError(std::string("operator ") + op + " needs numbers");
            return nodes::arithmetic(op, std::move(left), std::move(right));
        }), std::move(canonical), at);
    }
    return left;
}

NodePtr ExpressionParser::parseUnary()
{
    if (token_.kind != Kind::Minus && token_.kind != Kind::Plus)
        return parsePrimary();
    const size_t at = token_.position;
    NestingGuard guard(nesting_, kMaxDepth, at);
    const bool minus = token_.kind == Kind::Minus;
    advance();
    NodePtr operand = parseUnary();
    if (!minus) {
        if (operand->type() != ValueType::Number)
            fail("unary plus needs a number", at);
        return operand;
    }
    std::string canonical = "-" + operand->canonical();
    return finish(build(at, [&] { return nodes::negate(std::move(operand)); }), std::move(canonical), at);
}

NodePtr ExpressionParser::parsePrimary()
{
    const ExpressionToken token = token_;
    switch (token.kind) {
    case Kind::Number:
        advance();
        return finish(nodes::literalNumber(token.number), numberCanonical(token.number), token.position);
    case Kind::Text: {
        advance();
        if (token.text.size() > kMaxTextWidth)
            fail("text longer than " + std::to_string(kMaxTextWidth) + " bytes", token.position);
        std::string canonical = "\"" + token.text + "\"";
        return finish(nodes::literalText(token.text), std::move(canonical), token.position);
    }
    case Kind::True:
    case Kind::False:
        advance();
        return finish(nodes::literalLogical(token.kind == Kind::True), token.kind == Kind::True ? ".T." : ".F.", token.position);
    case Kind::LeftParen: {
        NestingGuard guard(nesting_, kMaxDepth, token.position);
        advance();
        NodePtr inner = parseOr();
        expect(Kind::RightParen, "')'");
        return inner;
    }
    case Kind::Name: {
        advance();
        if (token_.kind == Kind::LeftParen)
            return parseCall(token);
        const int index = layout_.fieldIndex(token.text);
        if (index < 0)
            fail("unknown field " + token.text, token.position);
        return finish(nodes::field(layout_, index), token.text, token.position);
    }
    case Kind::End:
        fail("the expression ends too early", token.position);
    default:
        fail("unexpected operator", token.position);
    }
}

NodePtr ExpressionParser::parseCall(const ExpressionToken& name)
{
    NestingGuard guard(nesting_, kMaxDepth, name.position);
    advance(); // the '('
    std::vector<NodePtr> arguments;
    std::string canonical = ExpressionFunctions::fullName(name.text) + "(";
    if (token_.kind != Kind::RightParen) {
        for (;;) {
            arguments.push_back(parseOr());
            canonical += arguments.back()->canonical();
            if (token_.kind != Kind::Comma)
                break;
            canonical += ",";
            advance();
        }
    }
    expect(Kind::RightParen, "')' after the arguments");
    canonical += ")";
    NodePtr call = build(name.position, [&] { return ExpressionFunctions::make(name.text, std::move(arguments)); });
    return finish(std::move(call), std::move(canonical), name.position, ExpressionFunctions::isPure(name.text));
}

} // namespace xbase
