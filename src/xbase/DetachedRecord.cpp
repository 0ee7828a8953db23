#include "DetachedRecord.h"

#include "TextCase.h"
#include "XbaseError.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace xbase {

DetachedRecord::DetachedRecord(std::vector<FieldDef> fields)
    : fields_(std::move(fields))
{
    uint32_t offset = 1;
    for (FieldDef& f : fields_) {
        f.offset = offset;
        offset += f.width;
    }
    bytes_.assign(offset, ' ');
}

DetachedRecord DetachedRecord::blankLike(const RecordView& layout)
{
    DetachedRecord blank;
    blank.fields_ = layout.fields();
    uint32_t size = std::max<uint32_t>(layout.recordSize(), 1);
    for (const FieldDef& f : blank.fields_)
        size = std::max<uint32_t>(size, f.offset + f.width);
    blank.bytes_.assign(size, ' ');
    return blank;
}

int DetachedRecord::fieldIndex(std::string_view name) const
{
    for (size_t i = 0; i < fields_.size(); ++i) {
        const std::string& n = fields_[i].name;
        if (n.size() != name.size())
            continue;
        bool same = true;
        for (size_t k = 0; k < n.size() && same; ++k)
            same = TextCase::upper(static_cast<uint8_t>(n[k])) == TextCase::upper(static_cast<uint8_t>(name[k]));
        if (same)
            return static_cast<int>(i);
    }
    return -1;
}

std::string DetachedRecord::memoText(int fieldIndex) const
{
    auto it = memos_.find(fieldIndex);
    return it == memos_.end() ? std::string() : it->second;
}

void DetachedRecord::clear()
{
    std::fill(bytes_.begin(), bytes_.end(), ' ');
    memos_.clear();
}

const FieldDef& DetachedRecord::field(std::string_view name) const
{
    const int index = fieldIndex(name);
    if (index < 0)
        throw XbaseError("no field " + std::string(name));
    return fields_[static_cast<size_t>(index)];
}

void DetachedRecord::setText(std::string_view name, std::string_view value)
{
    const FieldDef& f = field(name);
    uint8_t* at = bytes_.data() + f.offset;
    std::memset(at, ' ', f.width);
    std::memcpy(at, value.data(), std::min<size_t>(value.size(), f.width));
}

void DetachedRecord::setNumber(std::string_view name, double value)
{
    const FieldDef& f = field(name);
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", static_cast<int>(f.width), static_cast<int>(f.decimals), value);
    const size_t length = std::strlen(text);
    if (length > f.width)
        std::memset(text, '*', f.width);
    std::memcpy(bytes_.data() + f.offset, text, f.width);
}

void DetachedRecord::setLogical(std::string_view name, bool value)
{
    bytes_[field(name).offset] = value ? 'T' : 'F';
}

void DetachedRecord::setMemo(std::string_view name, std::string text)
{
    field(name);
    memos_[fieldIndex(name)] = std::move(text);
}

} // namespace xbase
