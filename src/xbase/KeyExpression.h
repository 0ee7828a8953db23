// How an index computes the keys of its tags without knowing the expression language:
// the language compiles a tag's key expression (and FOR condition) against a table's layout
// into these objects, and the index calls them for every record it adds or changes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace xbase {

class RecordView;

enum class KeyType { Character, Numeric, Date, Logical };

class KeyExpression {
public:
    virtual ~KeyExpression() = default;
    virtual KeyType keyType() const = 0;
    // Bytes of every key: the expression's width for text (at most 240), 8 for numbers and
    // dates (sortable double encoding), 1 for logicals ('T' or 'F').
    virtual uint16_t keyLength() const = 0;
    // Replaces `key` by exactly keyLength() bytes for the record.
    virtual void computeKey(const RecordView& record, std::string& key) const = 0;
};

class KeyCondition {
public:
    virtual ~KeyCondition() = default;
    virtual bool test(const RecordView& record) const = 0;
};

// Compiles expression text against a table's layout (the fields of `layout`); throws
// XbaseError with the position on a syntax error, an unknown name or a type mismatch.
class ExpressionCompiler {
public:
    virtual ~ExpressionCompiler() = default;
    virtual std::unique_ptr<KeyExpression> compileKey(std::string_view text, const RecordView& layout) const = 0;
    virtual std::unique_ptr<KeyCondition> compileCondition(std::string_view text, const RecordView& layout) const = 0;
};

} // namespace xbase
