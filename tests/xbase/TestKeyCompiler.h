// A tiny expression compiler for index tests and benchmarks: field names, UPPER(...), "+" and
// "-" joins of text, a logical field, "!" before one, DELETED(), and lone numeric or date
// fields. Just enough to key the address tags; the real language lives elsewhere.
#pragma once

#include "xbase/JulianDay.h"
#include "xbase/SortableDouble.h"
#include "xbase/KeyExpression.h"
#include "xbase/RecordView.h"
#include "xbase/XbaseError.h"

#include <cctype>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

class TestKeyCompiler final : public xbase::ExpressionCompiler {
public:
    std::unique_ptr<xbase::KeyExpression> compileKey(std::string_view text, const xbase::RecordView& layout) const override
    {
        const std::string s = normalise(text);
        if (isLogical(s, layout))
            return std::make_unique<LogicalKey>(logical(s, layout));
        if (int f = layout.fieldIndex(s); f >= 0 && layout.fields()[f].type == 'N')
            return std::make_unique<NumberKey>(layout.fields()[f], false);
        if (int f = layout.fieldIndex(s); f >= 0 && layout.fields()[f].type == 'D')
            return std::make_unique<NumberKey>(layout.fields()[f], true);
        auto key = std::make_unique<TextKey>();
        key->root = parseSum(s, false, layout);
        key->width = widthOf(key->root);
        return key;
    }

    std::unique_ptr<xbase::KeyCondition> compileCondition(std::string_view text, const xbase::RecordView& layout) const override
    {
        const std::string s = normalise(text);
        if (!isLogical(s, layout))
            throw xbase::XbaseError("not a logical expression: " + s);
        return std::make_unique<Condition>(logical(s, layout));
    }

private:
    struct Logical {
        int offset = -1; // -1: the delete flag
        bool negate = false;
        bool value(const uint8_t* r) const
        {
            const bool v = offset < 0 ? r[0] == '*' : (r[offset] == 'T' || r[offset] == 't' || r[offset] == 'Y' || r[offset] == 'y');
            return v != negate;
        }
    };
    struct Term;
    struct Sum {
        std::vector<std::pair<char, Term>> terms;
    };
    struct Term {
        uint32_t offset = 0, width = 0;
        bool upper = false;
        std::shared_ptr<Sum> group; // set for a parenthesised join
    };

    class TextKey final : public xbase::KeyExpression {
    public:
        Sum root;
        uint16_t width = 0;
        xbase::KeyType keyType() const override { return xbase::KeyType::Character; }
        uint16_t keyLength() const override { return width; }
        void computeKey(const xbase::RecordView& record, std::string& key) const override
        {
            key.clear();
            append(root, record.record(), key);
        }
        static void append(const Sum& sum, const uint8_t* r, std::string& out)
        {
            const size_t start = out.size();
            for (const auto& [op, term] : sum.terms) {
                size_t blanks = 0;
                if (op == '-') {
                    while (out.size() > start + blanks && out[out.size() - 1 - blanks] == ' ')
                        ++blanks;
                    out.resize(out.size() - blanks);
                }
                if (term.group)
                    append(*term.group, r, out);
                else {
                    const size_t at = out.size();
                    out.append(reinterpret_cast<const char*>(r) + term.offset, term.width);
                    if (term.upper)
                        for (size_t i = at; i < out.size(); ++i)
                            if (out[i] >= 'a' && out[i] <= 'z')
                                out[i] = char(out[i] - 32);
                }
                out.append(blanks, ' ');
            }
        }
    };

    class NumberKey final : public xbase::KeyExpression {
    public:
        NumberKey(const xbase::FieldDef& field, bool date) : field_(field), date_(date) {}
        xbase::KeyType keyType() const override { return date_ ? xbase::KeyType::Date : xbase::KeyType::Numeric; }
        uint16_t keyLength() const override { return 8; }
        void computeKey(const xbase::RecordView& record, std::string& key) const override
        {
            const std::string text(reinterpret_cast<const char*>(record.record()) + field_.offset, field_.width);
            if (!date_) {
                key = xbase::SortableDouble::key(std::strtod(text.c_str(), nullptr));
                return;
            }
            const int ymd = std::atoi(text.c_str());
            key = xbase::SortableDouble::key(
                ymd == 0 ? 0 : xbase::JulianDay::fromYmd(ymd / 10000, ymd / 100 % 100, ymd % 100));
        }

    private:
        xbase::FieldDef field_;
        bool date_;
    };

    class LogicalKey final : public xbase::KeyExpression {
    public:
        explicit LogicalKey(Logical l) : l_(l) {}
        xbase::KeyType keyType() const override { return xbase::KeyType::Logical; }
        uint16_t keyLength() const override { return 1; }
        void computeKey(const xbase::RecordView& record, std::string& key) const override
        {
            key.assign(1, l_.value(record.record()) ? 'T' : 'F');
        }

    private:
        Logical l_;
    };

    class Condition final : public xbase::KeyCondition {
    public:
        explicit Condition(Logical l) : l_(l) {}
        bool test(const xbase::RecordView& record) const override { return l_.value(record.record()); }

    private:
        Logical l_;
    };

    static std::string normalise(std::string_view text)
    {
        std::string s;
        for (char c : text)
            if (c != ' ')
                s.push_back(char(std::toupper(static_cast<unsigned char>(c))));
        return s;
    }

    static bool isLogical(const std::string& s, const xbase::RecordView& layout)
    {
        const std::string name = s.starts_with("!") ? s.substr(1) : s;
        if (name == "DELETED()")
            return true;
        const int f = layout.fieldIndex(name);
        return f >= 0 && layout.fields()[f].type == 'L';
    }

    static Logical logical(const std::string& s, const xbase::RecordView& layout)
    {
        Logical l;
        l.negate = s.starts_with("!");
        const std::string name = l.negate ? s.substr(1) : s;
        if (name != "DELETED()")
            l.offset = int(layout.fields()[layout.fieldIndex(name)].offset);
        return l;
    }

    static Sum parseSum(const std::string& s, bool upper, const xbase::RecordView& layout)
    {
        Sum sum;
        char op = '+';
        int depth = 0;
        size_t start = 0;
        for (size_t i = 0; i <= s.size(); ++i) {
            if (i < s.size() && s[i] == '(')
                ++depth;
            else if (i < s.size() && s[i] == ')')
                --depth;
            else if (i == s.size() || (depth == 0 && (s[i] == '+' || s[i] == '-'))) {
                sum.terms.emplace_back(op, parseTerm(s.substr(start, i - start), upper, layout));
                if (i < s.size())
                    op = s[i];
                start = i + 1;
            }
        }
        return sum;
    }

    static Term parseTerm(const std::string& s, bool upper, const xbase::RecordView& layout)
    {
        Term term;
        if (s.starts_with("UPPER(") && s.ends_with(")")) {
            term.group = std::make_shared<Sum>(parseSum(s.substr(6, s.size() - 7), true, layout));
            return term;
        }
        const int f = layout.fieldIndex(s);
        if (f < 0 || layout.fields()[f].type != 'C')
            throw xbase::XbaseError("unknown text field: " + s);
        term.offset = layout.fields()[f].offset;
        term.width = layout.fields()[f].width;
        term.upper = upper;
        return term;
    }

    static uint16_t widthOf(const Sum& sum)
    {
        uint32_t width = 0;
        for (const auto& [op, term] : sum.terms)
            width += term.group ? widthOf(*term.group) : term.width;
        return uint16_t(width);
    }
};

} // namespace testsupport
