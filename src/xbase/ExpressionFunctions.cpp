#include "ExpressionFunctions.h"

#include "DetachedRecord.h"
#include "JulianDay.h"
#include "RecordView.h"
#include "TextCase.h"
#include "XbaseError.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace xbase {

namespace {

constexpr uint32_t kMaxStrWidth = 255;

// A node that owns its arguments.
class Call : public ExpressionNode {
public:
    Call(ValueType type, std::vector<NodePtr> args, uint32_t width = 0, bool fixed = true)
        : ExpressionNode(type, Kind::Other, width, fixed), args_(std::move(args))
    {
        scratch_.reserve(width);
    }
    size_t childCount() const override { return args_.size(); }
    const ExpressionNode& child(size_t index) const override { return *args_[index]; }

protected:
    const ExpressionNode& arg(size_t index) const { return *args_[index]; }
    std::vector<NodePtr> args_;
    mutable std::string scratch_;
};

class CaseMap final : public Call {
public:
    CaseMap(std::vector<NodePtr> args, bool upper)
        : Call(ValueType::Text, std::move(args), 0), map_(upper ? TextCase::upperMap() : TextCase::lowerMap())
    {
        setWidth(arg(0).width(), arg(0).fixedWidth());
        scratch_.reserve(width());
    }
    std::string_view text(const RecordView& record) const override
    {
        const std::string_view in = arg(0).text(record);
        scratch_.resize(in.size());
        char* out = scratch_.data();
        for (size_t i = 0; i < in.size(); ++i)
            out[i] = static_cast<char>(map_[static_cast<uint8_t>(in[i])]);
        return scratch_;
    }

private:
    const uint8_t* map_;
};

class Trim final : public Call {
public:
    Trim(std::vector<NodePtr> args, bool left, bool right)
        : Call(ValueType::Text, std::move(args)), left_(left), right_(right)
    {
        setWidth(arg(0).width(), false);
    }
    std::string_view text(const RecordView& record) const override
    {
        std::string_view in = arg(0).text(record);
        if (right_) {
            while (!in.empty() && in.back() == ' ')
                in.remove_suffix(1);
        }
        if (left_) {
            while (!in.empty() && in.front() == ' ')
                in.remove_prefix(1);
        }
        return in;
    }

private:
    bool left_, right_;
};

long constantInt(const ExpressionNode& node, const RecordView& any)
{
    const double v = node.number(any);
    if (!(v > -1e9 && v < 1e9))
        return v > 0 ? 1000000000L : -1000000000L;
    return static_cast<long>(v);
}

// SUBSTR, LEFT and RIGHT: a piece of the text by position.
class Piece final : public Call {
public:
    enum class From { Start, Left, Right };
    Piece(std::vector<NodePtr> args, From from) : Call(ValueType::Text, std::move(args)), from_(from)
    {
        const uint32_t inWidth = arg(0).width();
        bool constantArgs = true;
        for (size_t i = 1; i < args_.size(); ++i)
            constantArgs = constantArgs && arg(i).isConstant();
        if (constantArgs && arg(0).fixedWidth()) {
            const DetachedRecord none(std::vector<FieldDef>{});
            const std::pair<size_t, size_t> range = bounds(inWidth, none);
            setWidth(static_cast<uint32_t>(range.second), true);
        } else if (constantArgs) {
            const DetachedRecord none(std::vector<FieldDef>{});
            const std::pair<size_t, size_t> range = bounds(inWidth, none);
            setWidth(static_cast<uint32_t>(range.second), false);
        } else {
            setWidth(inWidth, false);
        }
    }
    std::string_view text(const RecordView& record) const override
    {
        const std::string_view in = arg(0).text(record);
        const std::pair<size_t, size_t> range = bounds(in.size(), record);
        return in.substr(range.first, range.second);
    }

private:
    // Start and length inside a text of `size` bytes.
    std::pair<size_t, size_t> bounds(size_t size, const RecordView& record) const
    {
        const auto clampCount = [size](long n) { return static_cast<size_t>(std::clamp<long>(n, 0, static_cast<long>(size))); };
        switch (from_) {
        case From::Left: return {0, clampCount(constantInt(arg(1), record))};
        case From::Right: {
            const size_t count = clampCount(constantInt(arg(1), record));
            return {size - count, count};
        }
        case From::Start: {
            long start = constantInt(arg(1), record);
            if (start < 1)
                start = 1;
            const size_t first = clampCount(start - 1);
            size_t count = size - first;
            if (args_.size() > 2)
                count = std::min(count, static_cast<size_t>(std::max<long>(0, constantInt(arg(2), record))));
            return {first, count};
        }
        }
        return {0, 0};
    }
    From from_;
};

class Length final : public Call {
public:
    explicit Length(std::vector<NodePtr> args) : Call(ValueType::Number, std::move(args)) {}
    double number(const RecordView& record) const override { return static_cast<double>(arg(0).text(record).size()); }
};

class At final : public Call {
public:
    explicit At(std::vector<NodePtr> args) : Call(ValueType::Number, std::move(args)) {}
    double number(const RecordView& record) const override
    {
        const std::string_view needle = arg(0).text(record);
        const std::string_view hay = arg(1).text(record);
        if (needle.empty())
            return 0;
        const size_t pos = hay.find(needle);
        return pos == std::string_view::npos ? 0.0 : static_cast<double>(pos + 1);
    }
};

class Str final : public Call {
public:
    explicit Str(std::vector<NodePtr> args) : Call(ValueType::Text, std::move(args))
    {
        if (args_.size() < 2)
            setWidth(10, true);
        else if (arg(1).isConstant() && (args_.size() < 3 || arg(2).isConstant()))
            setWidth(widthFor(DetachedRecord(std::vector<FieldDef>{})), true);
        else
            setWidth(kMaxStrWidth, false);
        scratch_.reserve(kMaxStrWidth + 1);
    }
    std::string_view text(const RecordView& record) const override
    {
        const uint32_t length = widthFor(record);
        const int decimals = args_.size() > 2
            ? static_cast<int>(std::clamp<long>(constantInt(arg(2), record), 0, std::max<long>(0, static_cast<long>(length) - 2)))
            : 0;
        const double value = arg(0).number(record);
        std::array<char, 400> text{};
        const int written = std::isfinite(value) && std::fabs(value) < 1e300
            ? std::snprintf(text.data(), text.size(), "%*.*f", static_cast<int>(length), decimals, value)
            : -1;
        if (written < 0 || static_cast<uint32_t>(written) > length)
            scratch_.assign(length, '*'); // too wide for the field: xBase shows stars
        else
            scratch_.assign(text.data(), static_cast<size_t>(written));
        return scratch_;
    }

private:
    uint32_t widthFor(const RecordView& record) const
    {
        if (args_.size() < 2)
            return 10;
        return static_cast<uint32_t>(std::clamp<long>(constantInt(arg(1), record), 1, kMaxStrWidth));
    }
};

class Val final : public Call {
public:
    explicit Val(std::vector<NodePtr> args) : Call(ValueType::Number, std::move(args)) {}
    double number(const RecordView& record) const override
    {
        const std::string_view in = arg(0).text(record);
        return nodes::parseNumber(in.data(), in.size());
    }
};

class Dtos final : public Call {
public:
    explicit Dtos(std::vector<NodePtr> args) : Call(ValueType::Text, std::move(args), 8) { scratch_.resize(8); }
    std::string_view text(const RecordView& record) const override
    {
        JulianDay::toText(JulianDay::fromNumber(arg(0).number(record)), scratch_.data());
        return scratch_;
    }
};

class Stod final : public Call {
public:
    explicit Stod(std::vector<NodePtr> args) : Call(ValueType::Date, std::move(args)) {}
    double number(const RecordView& record) const override
    {
        return static_cast<double>(JulianDay::fromText(arg(0).text(record)));
    }
};

class Iif final : public Call {
public:
    Iif(ValueType type, std::vector<NodePtr> args) : Call(type, std::move(args))
    {
        setWidth(std::max(arg(1).width(), arg(2).width()),
                 arg(1).fixedWidth() && arg(2).fixedWidth() && arg(1).width() == arg(2).width());
    }
    bool logical(const RecordView& record) const override { return pick(record).logical(record); }
    double number(const RecordView& record) const override { return pick(record).number(record); }
    std::string_view text(const RecordView& record) const override { return pick(record).text(record); }

private:
    const ExpressionNode& pick(const RecordView& record) const { return arg(0).logical(record) ? arg(1) : arg(2); }
};

class Empty final : public Call {
public:
    explicit Empty(std::vector<NodePtr> args) : Call(ValueType::Logical, std::move(args)) {}
    bool logical(const RecordView& record) const override
    {
        switch (arg(0).type()) {
        case ValueType::Text: {
            const std::string_view in = arg(0).text(record);
            return std::all_of(in.begin(), in.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
        }
        case ValueType::Logical: return !arg(0).logical(record);
        default: return arg(0).number(record) == 0;
        }
    }
};

class Deleted final : public Call {
public:
    Deleted() : Call(ValueType::Logical, {}) {}
    bool logical(const RecordView& record) const override { return record.record()[0] == '*'; }
};

class Recno final : public Call {
public:
    Recno() : Call(ValueType::Number, {}) {}
    double number(const RecordView& record) const override { return record.recordNumber(); }
};

class Math final : public Call {
public:
    Math(std::vector<NodePtr> args, char op) : Call(ValueType::Number, std::move(args)), op_(op) {}
    double number(const RecordView& record) const override
    {
        const double v = arg(0).number(record);
        switch (op_) {
        case 'A': return std::fabs(v);
        case 'I': return std::trunc(v);
        default: {
            const double scale = std::pow(10.0, static_cast<double>(std::clamp<long>(constantInt(arg(1), record), -15, 15)));
            return std::round(v * scale) / scale;
        }
        }
    }

private:
    char op_;
};

struct Signature {
    const char* name;
    size_t minArgs;
    size_t maxArgs;
    // One letter per argument: C text, N number, D date, L logical, * any, S same type as the next.
    const char* argTypes;
};

const Signature kSignatures[] = {
    {"UPPER", 1, 1, "C"}, {"LOWER", 1, 1, "C"},
    {"TRIM", 1, 1, "C"}, {"RTRIM", 1, 1, "C"}, {"LTRIM", 1, 1, "C"}, {"ALLTRIM", 1, 1, "C"},
    {"SUBSTR", 2, 3, "CNN"}, {"LEFT", 2, 2, "CN"}, {"RIGHT", 2, 2, "CN"},
    {"LEN", 1, 1, "C"}, {"AT", 2, 2, "CC"},
    {"STR", 1, 3, "NNN"}, {"VAL", 1, 1, "C"},
    {"DTOS", 1, 1, "D"}, {"STOD", 1, 1, "C"},
    {"IIF", 3, 3, "L**"}, {"IF", 3, 3, "L**"},
    {"EMPTY", 1, 1, "*"},
    {"DELETED", 0, 0, ""}, {"RECNO", 0, 0, ""},
    {"ABS", 1, 1, "N"}, {"INT", 1, 1, "N"}, {"ROUND", 2, 2, "NN"},
};

bool fits(char letter, ValueType type)
{
    switch (letter) {
    case 'C': return type == ValueType::Text;
    case 'N': return type == ValueType::Number;
    case 'D': return type == ValueType::Date;
    case 'L': return type == ValueType::Logical;
    default: return true;
    }
}

const Signature* find(std::string_view name)
{
    for (const Signature& s : kSignatures) {
        if (name == s.name)
            return &s;
    }
    if (name.size() < 4)
        return nullptr;
    for (const Signature& s : kSignatures) {
        if (std::string_view(s.name).substr(0, name.size()) == name)
            return &s;
    }
    return nullptr;
}

} // namespace

std::string ExpressionFunctions::fullName(std::string_view upperName)
{
    const Signature* s = find(upperName);
    return s ? s->name : std::string(upperName);
}

bool ExpressionFunctions::isPure(std::string_view upperName)
{
    const Signature* s = find(upperName);
    return s && std::strcmp(s->name, "DELETED") != 0 && std::strcmp(s->name, "RECNO") != 0;
}

NodePtr ExpressionFunctions::make(std::string_view upperName, std::vector<NodePtr> args)
{
    const Signature* s = find(upperName);
    if (!s)
        throw XbaseError("unknown function " + std::string(upperName));
    const std::string name = s->name;
    if (args.size() < s->minArgs || args.size() > s->maxArgs)
        throw XbaseError("wrong number of arguments for " + name);
    for (size_t i = 0; i < args.size(); ++i) {
        if (!fits(s->argTypes[i], args[i]->type()))
            throw XbaseError("argument " + std::to_string(i + 1) + " of " + name + " cannot be " + valueTypeName(args[i]->type()));
    }
    if (name == "UPPER" || name == "LOWER")
        return std::make_unique<CaseMap>(std::move(args), name == "UPPER");
    if (name == "TRIM" || name == "RTRIM")
        return std::make_unique<Trim>(std::move(args), false, true);
    if (name == "LTRIM")
        return std::make_unique<Trim>(std::move(args), true, false);
    if (name == "ALLTRIM")
        return std::make_unique<Trim>(std::move(args), true, true);
    if (name == "SUBSTR")
        return std::make_unique<Piece>(std::move(args), Piece::From::Start);
    if (name == "LEFT")
        return std::make_unique<Piece>(std::move(args), Piece::From::Left);
    if (name == "RIGHT")
        return std::make_unique<Piece>(std::move(args), Piece::From::Right);
    if (name == "LEN")
        return std::make_unique<Length>(std::move(args));
    if (name == "AT")
        return std::make_unique<At>(std::move(args));
    if (name == "STR")
        return std::make_unique<Str>(std::move(args));
    if (name == "VAL")
        return std::make_unique<Val>(std::move(args));
    if (name == "DTOS")
        return std::make_unique<Dtos>(std::move(args));
    if (name == "STOD")
        return std::make_unique<Stod>(std::move(args));
    if (name == "IIF" || name == "IF") {
        if (args[1]->type() != args[2]->type())
            throw XbaseError(name + " needs both results of one type");
        const ValueType type = args[1]->type();
        return std::make_unique<Iif>(type, std::move(args));
    }
    if (name == "EMPTY")
        return std::make_unique<Empty>(std::move(args));
    if (name == "DELETED")
        return std::make_unique<Deleted>();
    if (name == "RECNO")
        return std::make_unique<Recno>();
    if (name == "ABS")
        return std::make_unique<Math>(std::move(args), 'A');
    if (name == "INT")
        return std::make_unique<Math>(std::move(args), 'I');
    return std::make_unique<Math>(std::move(args), 'R');
}

} // namespace xbase
