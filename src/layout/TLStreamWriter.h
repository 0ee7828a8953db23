// Writes the values and object records of a layout stream into memory: integers in the smallest
// of the int8, int16 and int32 forms, strings in Windows-1252 as short or long strings, colours
// and cursors by name when they have one.
#pragma once

#include "TLNames.h"
#include "TLStreamValue.h"

#include <QStringList>

class TLStreamWriter {
public:
    const QByteArray& Bytes() const { return Data; }

    void WriteByte(uint8_t byte) { Data.append(char(byte)); }
    void WriteShortString(const QByteArray& text);
    void WriteValue(const TLValue& value);
    void WriteListStart() { WriteByte(uint8_t(TLValueType::vaList)); }
    void WriteListEnd() { WriteByte(0); }

    // Object records: the header, then properties, then EndObject().
    void BeginObject(const QByteArray& className, const QString& name);
    void EndObject() { WriteByte(0); WriteByte(0); }

    // A property: its name, then its value.
    void Integer(const char* name, int64_t value);
    void Boolean(const char* name, bool value);
    void String(const char* name, const QString& text);
    void Ident(const char* name, TLNameTable table, int index);
    void Color(const char* name, TColor color);
    void Cursor(const char* name, int cursor);
    void Binary(const char* name, const QByteArray& data);
    void Set(const char* name, TLNameTable table, unsigned bits);
    void Strings(const char* name, const QStringList& lines);

    // Plain values without a name (the report settings list).
    void IntegerValue(int64_t value) { WriteValue(TLValue::Integer(value)); }
    void BooleanValue(bool value) { WriteValue(TLValue::Boolean(value)); }
    void StringValue(const QString& text) { WriteValue(TLValue::String(text)); }

private:
    void Name(const char* name) { WriteShortString(QByteArray(name)); }
    QByteArray Data;
};
