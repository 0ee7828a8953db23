// The engine's ExpressionCompiler: index tags compute their keys through it (in the encodings
// of the index format: text blank-padded to the key width, numbers and dates as sortable
// doubles, logicals 'T'/'F'), and tag FOR conditions and queries test records through it.
//
// A text key is as wide as the expression's value on a blank record, as other engines make it;
// longer values are cut and shorter ones blank-padded. The exact setting applies to conditions
// compiled after it is changed.
#pragma once

#include "Expression.h"
#include "KeyExpression.h"

namespace xbase {

class XbaseExpressionCompiler final : public ExpressionCompiler {
public:
    static constexpr uint16_t kMaxKeyLength = 240;

    explicit XbaseExpressionCompiler(ExpressionOptions options = {}) : options_(options) {}
    void setExact(bool exact) { options_.exact = exact; }
    ExpressionOptions options() const { return options_; }

    std::unique_ptr<KeyExpression> compileKey(std::string_view text, const RecordView& layout) const override;
    std::unique_ptr<KeyCondition> compileCondition(std::string_view text, const RecordView& layout) const override;

    // The key type and width a compiled expression gets as an index key.
    static KeyType keyTypeOf(const Expression& expression);
    static uint16_t keyLengthOf(const Expression& expression, const RecordView& layout);

private:
    ExpressionOptions options_;
};

} // namespace xbase
