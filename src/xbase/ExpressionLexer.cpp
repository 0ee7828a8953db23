#include "ExpressionLexer.h"

#include "ExpressionNode.h"
#include "TextCase.h"
#include "XbaseError.h"

namespace xbase {

namespace {

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isNameChar(char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string upperAscii(std::string_view word)
{
    std::string out(word);
    TextCase::toUpper(out.data(), out.size());
    return out;
}

[[noreturn]] void fail(const std::string& message, size_t position)
{
    throw XbaseError("expression error at position " + std::to_string(position) + ": " + message);
}

} // namespace

ExpressionToken ExpressionLexer::next()
{
    using Kind = ExpressionToken::Kind;
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\r' || text_[pos_] == '\n'))
        ++pos_;
    ExpressionToken token;
    token.position = pos_ + 1;
    if (pos_ >= text_.size())
        return token;

    const size_t start = pos_;
    const char c = text_[pos_];
    const char following = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
    auto single = [&](Kind kind, size_t length = 1) {
        token.kind = kind;
        pos_ += length;
        return token;
    };

    if (isNameStart(c)) {
        while (pos_ < text_.size() && isNameChar(text_[pos_]))
            ++pos_;
        token.text = upperAscii(text_.substr(start, pos_ - start));
        if (token.text == "AND")
            token.kind = Kind::And;
        else if (token.text == "OR")
            token.kind = Kind::Or;
        else if (token.text == "NOT")
            token.kind = Kind::Not;
        else
            token.kind = Kind::Name;
        return token;
    }
    if (isDigit(c) || (c == '.' && isDigit(following))) {
        while (pos_ < text_.size() && isDigit(text_[pos_]))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '.' && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1])) {
            ++pos_;
            while (pos_ < text_.size() && isDigit(text_[pos_]))
                ++pos_;
        }
        token.kind = Kind::Number;
        token.number = nodes::parseNumber(text_.data() + start, pos_ - start);
        return token;
    }
    if (c == '"' || c == '\'' || c == '[') {
        const char close = c == '[' ? ']' : c;
        const size_t end = text_.find(close, pos_ + 1);
        if (end == std::string_view::npos)
            fail("text literal without its closing " + std::string(1, close), token.position);
        token.kind = Kind::Text;
        token.text = std::string(text_.substr(pos_ + 1, end - pos_ - 1));
        pos_ = end + 1;
        return token;
    }
    if (c == '.')
        return dotWord(start);
    switch (c) {
    case '(': return single(Kind::LeftParen);
    case ')': return single(Kind::RightParen);
    case ',': return single(Kind::Comma);
    case '+': return single(Kind::Plus);
    case '-': return single(Kind::Minus);
    case '*': return single(Kind::Star);
    case '/': return single(Kind::Slash);
    case '%': return single(Kind::Percent);
    case '$': return single(Kind::Contains);
    case '#': return single(Kind::NotEqual);
    case '=': return following == '=' ? single(Kind::ExactEqual, 2) : single(Kind::Equal);
    case '!': return following == '=' ? single(Kind::NotEqual, 2) : single(Kind::Not);
    case '<':
        if (following == '>')
            return single(Kind::NotEqual, 2);
        return following == '=' ? single(Kind::LessEqual, 2) : single(Kind::Less);
    case '>': return following == '=' ? single(Kind::GreaterEqual, 2) : single(Kind::Greater);
    default: break;
    }
    fail("unexpected character '" + std::string(1, c) + "'", token.position);
}

ExpressionToken ExpressionLexer::dotWord(size_t start)
{
    using Kind = ExpressionToken::Kind;
    size_t end = start + 1;
    while (end < text_.size() && isNameChar(text_[end]))
        ++end;
    if (end >= text_.size() || text_[end] != '.')
        fail("'.' must start a word such as .AND.", start + 1);
    const std::string word = upperAscii(text_.substr(start + 1, end - start - 1));
    ExpressionToken token;
    token.position = start + 1;
    if (word == "AND")
        token.kind = Kind::And;
    else if (word == "OR")
        token.kind = Kind::Or;
    else if (word == "NOT")
        token.kind = Kind::Not;
    else if (word == "T" || word == "Y")
        token.kind = Kind::True;
    else if (word == "F" || word == "N")
        token.kind = Kind::False;
    else
        fail("unknown word ." + word + ".", start + 1);
    pos_ = end + 1;
    return token;
}

} // namespace xbase
