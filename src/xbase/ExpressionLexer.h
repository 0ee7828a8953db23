// Cuts expression text into tokens. Text literals may be quoted with "…", '…' or […]; the words
// .AND. .OR. .NOT. .T. .F. and the bare AND, OR, NOT are recognised in any case.
//
// Contract: the text outlives the lexer; positions are 1-based character offsets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace xbase {

struct ExpressionToken {
    enum class Kind {
        End, Name, Number, Text, LeftParen, RightParen, Comma,
        Plus, Minus, Star, Slash, Percent,
        Equal, ExactEqual, NotEqual, Less, LessEqual, Greater, GreaterEqual, Contains,
        Not, And, Or, True, False,
    };
    Kind kind = Kind::End;
    std::string text;   // names upper-cased; the bytes of a text literal
    double number = 0;
    size_t position = 1;
};

class ExpressionLexer {
public:
    explicit ExpressionLexer(std::string_view text) : text_(text) {}
    // Throws XbaseError at an unknown character or an unterminated literal.
    ExpressionToken next();

private:
    ExpressionToken dotWord(size_t start);
    std::string_view text_;
    size_t pos_ = 0;
};

} // namespace xbase
