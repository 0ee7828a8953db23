// One value of a layout stream as it was stored: its type byte and payload. The reader turns
// bytes into these first and the objects take them through their property setters, so a value
// of any encoding that fits a property is accepted, and `layout show` can print what a file
// holds exactly as stored.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

enum class TLValueType : uint8_t {
    vaNull = 0x00,
    vaList = 0x01,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaExtended = 0x05,
    vaString = 0x06,
    vaIdent = 0x07,
    vaFalse = 0x08,
    vaTrue = 0x09,
    vaBinary = 0x0A,
    vaSet = 0x0B,
    vaLString = 0x0C,
    vaNil = 0x0D,
};

struct TLValue {
    TLValueType Type = TLValueType::vaNull;
    int64_t Int = 0;          // the integer forms
    double Extended = 0.0;    // vaExtended, converted
    QByteArray Bytes;         // strings (Windows-1252), identifiers, binary data
    QList<QByteArray> Set;    // set members
    std::vector<TLValue> List;

    bool IsInteger() const
    {
        return Type == TLValueType::vaInt8 || Type == TLValueType::vaInt16 || Type == TLValueType::vaInt32;
    }
    bool IsString() const { return Type == TLValueType::vaString || Type == TLValueType::vaLString; }
    bool IsBoolean() const { return Type == TLValueType::vaFalse || Type == TLValueType::vaTrue; }

    static TLValue Integer(int64_t value);
    static TLValue Boolean(bool value) { return {value ? TLValueType::vaTrue : TLValueType::vaFalse}; }
    static TLValue Ident(const QByteArray& name) { TLValue v{TLValueType::vaIdent}; v.Bytes = name; return v; }
    static TLValue String(const QString& text);
    static TLValue Binary(const QByteArray& data) { TLValue v{TLValueType::vaBinary}; v.Bytes = data; return v; }

    // The value as `layout show` prints it: integers decimal, True/False, identifiers bare,
    // strings quoted with escapes, sets in brackets, lists in parentheses, binary by size.
    QString Display() const;
};

// A stored property: its (dotted) name and value.
struct TLProperty {
    QByteArray Name;
    TLValue Value;
};

// One object record as stored.
struct TLObjectRecord {
    QByteArray ClassName;
    QByteArray Name;
    std::vector<TLProperty> Properties;
};
