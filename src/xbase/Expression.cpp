#include "Expression.h"

#include "ExpressionParser.h"
#include "XbaseError.h"

namespace xbase {

Expression Expression::compile(std::string_view text, const RecordView& layout, ExpressionOptions options)
{
    ExpressionParser parser(text, layout, options.exact);
    return Expression(std::string(text), parser.parse(), options);
}

void Expression::requireType(ValueType wanted) const
{
    if (root_->type() != wanted && !(wanted == ValueType::Number && root_->type() == ValueType::Date))
        throw XbaseError("expression " + source_ + " gives a " + valueTypeName(root_->type()) + " value, not a " + valueTypeName(wanted));
}

bool Expression::evaluateLogical(const RecordView& record) const
{
    requireType(ValueType::Logical);
    return root_->logical(record);
}

double Expression::evaluateNumber(const RecordView& record) const
{
    requireType(ValueType::Number);
    return root_->number(record);
}

std::string_view Expression::evaluateText(const RecordView& record) const
{
    requireType(ValueType::Text);
    return root_->text(record);
}

std::string Expression::evaluateAsText(const RecordView& record) const
{
    return nodes::displayText(*root_, record);
}

} // namespace xbase
