#include "TLStreamWriter.h"

#include "data/TCp1252.h"

#include <QtEndian>

#include <cmath>

void TLStreamWriter::WriteShortString(const QByteArray& text)
{
    const QByteArray cut = text.left(255);
    WriteByte(uint8_t(cut.size()));
    Data.append(cut);
}

void TLStreamWriter::WriteValue(const TLValue& value)
{
    WriteByte(uint8_t(value.Type));
    char buffer[8];
    switch (value.Type) {
    case TLValueType::vaNull:
    case TLValueType::vaFalse:
    case TLValueType::vaTrue:
    case TLValueType::vaNil:
        break;
    case TLValueType::vaList:
        for (const TLValue& item : value.List)
            WriteValue(item);
        WriteListEnd();
        break;
    case TLValueType::vaInt8:
        WriteByte(uint8_t(int8_t(value.Int)));
        break;
    case TLValueType::vaInt16:
        qToLittleEndian<int16_t>(int16_t(value.Int), buffer);
        Data.append(buffer, 2);
        break;
    case TLValueType::vaInt32:
        qToLittleEndian<int32_t>(int32_t(value.Int), buffer);
        Data.append(buffer, 4);
        break;
    case TLValueType::vaExtended: {
        // Layouts never write one; kept for completeness so a read value writes back.
        const double magnitude = std::abs(value.Extended);
        int exponent = 0;
        const double fraction = std::frexp(magnitude, &exponent);
        const uint64_t mantissa = magnitude == 0.0 ? 0 : uint64_t(std::ldexp(fraction, 64));
        const uint16_t signExponent = uint16_t((magnitude == 0.0 ? 0 : exponent - 1 + 16383) | (value.Extended < 0 ? 0x8000 : 0));
        qToLittleEndian<uint64_t>(mantissa, buffer);
        Data.append(buffer, 8);
        qToLittleEndian<uint16_t>(signExponent, buffer);
        Data.append(buffer, 2);
        break;
    }
    case TLValueType::vaString:
    case TLValueType::vaIdent:
        WriteShortString(value.Bytes);
        break;
    case TLValueType::vaBinary:
    case TLValueType::vaLString:
        qToLittleEndian<uint32_t>(uint32_t(value.Bytes.size()), buffer);
        Data.append(buffer, 4);
        Data.append(value.Bytes);
        break;
    case TLValueType::vaSet:
        for (const QByteArray& member : value.Set)
            WriteShortString(member);
        WriteByte(0);
        break;
    }
}

void TLStreamWriter::BeginObject(const QByteArray& className, const QString& name)
{
    Data.append("TPF0", 4);
    WriteShortString(className);
    WriteShortString(QByteArray::fromStdString(TCp1252::Encode(name)));
}

void TLStreamWriter::Integer(const char* name, int64_t value)
{
    Name(name);
    WriteValue(TLValue::Integer(value));
}

void TLStreamWriter::Boolean(const char* name, bool value)
{
    Name(name);
    WriteValue(TLValue::Boolean(value));
}

void TLStreamWriter::String(const char* name, const QString& text)
{
    Name(name);
    WriteValue(TLValue::String(text));
}

void TLStreamWriter::Ident(const char* name, TLNameTable table, int index)
{
    Name(name);
    WriteValue(index >= 0 && size_t(index) < table.size() ? TLValue::Ident(table[size_t(index)]) : TLValue::Integer(index));
}

void TLStreamWriter::Color(const char* name, TColor color)
{
    Name(name);
    const auto known = TLNames::ColorName(color);
    WriteValue(known ? TLValue::Ident(*known) : TLValue::Integer(color));
}

void TLStreamWriter::Cursor(const char* name, int cursor)
{
    Name(name);
    const auto known = TLNames::CursorName(cursor);
    WriteValue(known ? TLValue::Ident(*known) : TLValue::Integer(cursor));
}

void TLStreamWriter::Binary(const char* name, const QByteArray& data)
{
    Name(name);
    WriteValue(TLValue::Binary(data));
}

void TLStreamWriter::Set(const char* name, TLNameTable table, unsigned bits)
{
    Name(name);
    TLValue value{TLValueType::vaSet};
    for (size_t i = 0; i < table.size(); ++i)
        if (bits & (1u << i))
            value.Set.append(table[i]);
    WriteValue(value);
}

void TLStreamWriter::Strings(const char* name, const QStringList& lines)
{
    Name(name);
    TLValue list{TLValueType::vaList};
    for (const QString& line : lines)
        list.List.push_back(TLValue::String(line));
    WriteValue(list);
}
