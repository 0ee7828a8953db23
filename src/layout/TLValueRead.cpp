#include "TLValueRead.h"

#include "data/TCp1252.h"

namespace TLValueRead {

int32_t Integer(const TLValue& value)
{
    if (!value.IsInteger())
        Invalid();
    return int32_t(value.Int);
}

bool Boolean(const TLValue& value)
{
    if (!value.IsBoolean())
        Invalid();
    return value.Type == TLValueType::vaTrue;
}

QString String(const TLValue& value)
{
    if (value.Type == TLValueType::vaNil)
        return QString();
    if (!value.IsString())
        Invalid();
    return TCp1252::Decode(std::string_view(value.Bytes.constData(), size_t(value.Bytes.size())));
}

int Enum(const TLValue& value, TLNameTable table)
{
    if (value.Type != TLValueType::vaIdent)
        Invalid();
    const int index = TLNames::IndexOf(table, value.Bytes);
    if (index < 0)
        Invalid();
    return index;
}

TColor Color(const TLValue& value)
{
    if (value.IsInteger())
        return TColor(value.Int);
    if (value.Type == TLValueType::vaIdent)
        if (const auto color = TLNames::ColorFromName(value.Bytes))
            return *color;
    Invalid();
}

int Cursor(const TLValue& value)
{
    if (value.IsInteger() && value.Int >= -32768 && value.Int <= 32767)
        return int(value.Int);
    if (value.Type == TLValueType::vaIdent)
        if (const auto cursor = TLNames::CursorFromName(value.Bytes))
            return *cursor;
    Invalid();
}

unsigned Set(const TLValue& value, TLNameTable table)
{
    if (value.Type != TLValueType::vaSet)
        Invalid();
    unsigned bits = 0;
    for (const QByteArray& member : value.Set) {
        const int index = TLNames::IndexOf(table, member);
        if (index < 0)
            Invalid();
        bits |= 1u << index;
    }
    return bits;
}

QStringList Strings(const TLValue& value)
{
    if (value.Type != TLValueType::vaList)
        Invalid();
    QStringList lines;
    for (const TLValue& item : value.List)
        lines << String(item);
    return lines;
}

} // namespace TLValueRead
