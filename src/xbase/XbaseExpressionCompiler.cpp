#include "XbaseExpressionCompiler.h"

#include "DetachedRecord.h"
#include "SortableDouble.h"
#include "XbaseError.h"

#include <algorithm>
#include <cstring>

namespace xbase {

namespace {

class CompiledKey final : public KeyExpression {
public:
    CompiledKey(Expression expression, KeyType type, uint16_t length)
        : expression_(std::move(expression)), type_(type), length_(length) {}
    KeyType keyType() const override { return type_; }
    uint16_t keyLength() const override { return length_; }
    void computeKey(const RecordView& record, std::string& key) const override
    {
        key.resize(length_);
        switch (type_) {
        case KeyType::Character: {
            const std::string_view value = expression_.root().text(record);
            const size_t used = std::min<size_t>(value.size(), length_);
            std::memcpy(key.data(), value.data(), used);
            std::memset(key.data() + used, ' ', length_ - used);
            break;
        }
        case KeyType::Numeric:
        case KeyType::Date:
            SortableDouble::encode(expression_.root().number(record), key.data());
            break;
        case KeyType::Logical:
            key[0] = expression_.root().logical(record) ? 'T' : 'F';
            break;
        }
    }

private:
    Expression expression_;
    KeyType type_;
    uint16_t length_;
};

class CompiledCondition final : public KeyCondition {
public:
    explicit CompiledCondition(Expression expression) : expression_(std::move(expression)) {}
    bool test(const RecordView& record) const override { return expression_.root().logical(record); }

private:
    Expression expression_;
};

} // namespace

KeyType XbaseExpressionCompiler::keyTypeOf(const Expression& expression)
{
    switch (expression.type()) {
    case ValueType::Text: return KeyType::Character;
    case ValueType::Number: return KeyType::Numeric;
    case ValueType::Date: return KeyType::Date;
    case ValueType::Logical: return KeyType::Logical;
    }
    return KeyType::Character;
}

uint16_t XbaseExpressionCompiler::keyLengthOf(const Expression& expression, const RecordView& layout)
{
    switch (expression.type()) {
    case ValueType::Number:
    case ValueType::Date:
        return 8;
    case ValueType::Logical:
        return 1;
    case ValueType::Text:
        break;
    }
    const DetachedRecord blank = DetachedRecord::blankLike(layout);
    size_t length = expression.evaluateText(blank).size();
    if (length == 0) // TRIM(X) alone would make keys of no bytes; its widest value serves
        length = expression.width();
    if (length == 0)
        throw XbaseError("key expression " + expression.source() + " has no width");
    if (length > kMaxKeyLength)
        throw XbaseError("key expression " + expression.source() + " is " + std::to_string(length) + " bytes wide; keys hold at most 240");
    return static_cast<uint16_t>(length);
}

std::unique_ptr<KeyExpression> XbaseExpressionCompiler::compileKey(std::string_view text, const RecordView& layout) const
{
    Expression expression = Expression::compile(text, layout, options_);
    const KeyType type = keyTypeOf(expression);
    const uint16_t length = keyLengthOf(expression, layout);
    return std::make_unique<CompiledKey>(std::move(expression), type, length);
}

std::unique_ptr<KeyCondition> XbaseExpressionCompiler::compileCondition(std::string_view text, const RecordView& layout) const
{
    Expression expression = Expression::compile(text, layout, options_);
    if (expression.type() != ValueType::Logical)
        throw XbaseError("condition " + std::string(text) + " gives a " + valueTypeName(expression.type()) + " value, not a logical one");
    return std::make_unique<CompiledCondition>(std::move(expression));
}

} // namespace xbase
