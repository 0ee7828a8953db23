// A compiled expression: compile the text once against a table's layout, then evaluate it for
// any number of records with the same layout. Text results point into the record or into the
// expression's own buffers and stay valid until the next evaluation.
//
// Contract: records given to the evaluate functions have the layout the expression was compiled
// against. One Expression is not safe to evaluate from two threads at once.
#pragma once

#include "ExpressionNode.h"

#include <string>
#include <string_view>

namespace xbase {

class RecordView;

struct ExpressionOptions {
    // Off (the default): text "=" is true when the left text begins with the right one.
    // On: "=" needs equal texts, trailing blanks aside.
    bool exact = false;
};

class Expression {
public:
    // Throws XbaseError with the position on any error in the text.
    static Expression compile(std::string_view text, const RecordView& layout, ExpressionOptions options = {});

    ValueType type() const { return root_->type(); }
    // Text results: the most bytes the expression yields.
    uint32_t width() const { return root_->width(); }
    const std::string& source() const { return source_; }
    const ExpressionNode& root() const { return *root_; }
    ExpressionOptions options() const { return options_; }

    // Each throws XbaseError when the expression has another type.
    bool evaluateLogical(const RecordView& record) const;
    double evaluateNumber(const RecordView& record) const;
    std::string_view evaluateText(const RecordView& record) const;
    // The value in any type as text: numbers plain, dates YYYYMMDD, logicals T or F.
    std::string evaluateAsText(const RecordView& record) const;

private:
    Expression(std::string source, NodePtr root, ExpressionOptions options)
        : source_(std::move(source)), root_(std::move(root)), options_(options) {}
    void requireType(ValueType wanted) const;

    std::string source_;
    NodePtr root_;
    ExpressionOptions options_;
};

} // namespace xbase
