// Turns expression text into a checked node tree: operators by xBase precedence (.OR. below
// .AND. below NOT below comparisons below + - below * / %), field names resolved against the
// layout, types and text widths fixed, constant parts folded.
//
// Contract: throws XbaseError naming the position for a syntax error, an unknown field or
// function, a type mismatch, nesting deeper than kMaxDepth or text wider than kMaxTextWidth.
#pragma once

#include "ExpressionLexer.h"
#include "ExpressionNode.h"

#include <string_view>

namespace xbase {

class RecordView;

class ExpressionParser {
public:
    static constexpr uint32_t kMaxDepth = 200;
    static constexpr uint32_t kMaxTextWidth = 65535;

    ExpressionParser(std::string_view text, const RecordView& layout, bool exact);
    NodePtr parse();

private:
    NodePtr parseOr();
    NodePtr parseAnd();
    NodePtr parseNot();
    NodePtr parseComparison();
    NodePtr parseAdditive();
    NodePtr parseMultiplicative();
    NodePtr parseUnary();
    NodePtr parsePrimary();
    NodePtr parseCall(const ExpressionToken& name);

    void advance() { token_ = lexer_.next(); }
    void expect(ExpressionToken::Kind kind, const char* what);
    [[noreturn]] void fail(const std::string& message, size_t position) const;
    // Checks depth and width, folds constants and sets the canonical spelling.
    NodePtr finish(NodePtr node, std::string canonical, size_t position, bool pure = true);
    template <typename Build>
    NodePtr build(size_t position, Build&& make);

    ExpressionLexer lexer_;
    const RecordView& layout_;
    bool exact_;
    ExpressionToken token_;
    uint32_t nesting_ = 0;
};

} // namespace xbase
