#include "TLStreamValue.h"

#include "data/TCp1252.h"

#include <QStringList>

TLValue TLValue::Integer(int64_t value)
{
    TLValue result{TLValueType::vaInt32};
    if (value >= -128 && value <= 127)
        result.Type = TLValueType::vaInt8;
    else if (value >= -32768 && value <= 32767)
        result.Type = TLValueType::vaInt16;
    result.Int = value;
    return result;
}

TLValue TLValue::String(const QString& text)
{
    TLValue result;
    result.Bytes = QByteArray::fromStdString(TCp1252::Encode(text));
    result.Type = result.Bytes.size() > 255 ? TLValueType::vaLString : TLValueType::vaString;
    return result;
}

namespace {

QString Quoted(const QByteArray& bytes)
{
    QString out = QStringLiteral("\"");
    for (const char byte : bytes) {
        const unsigned char c = static_cast<unsigned char>(byte);
        switch (c) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c < 0x20 || c == 0x7F)
                out += QStringLiteral("\\x") + QString::number(c, 16).rightJustified(2, u'0').toUpper();
            else
                out += QChar(TCp1252::ToUnicode(c));
        }
    }
    return out + u'"';
}

} // namespace

QString TLValue::Display() const
{
    switch (Type) {
    case TLValueType::vaNull: return QString();
    case TLValueType::vaNil: return QStringLiteral("nil");
    case TLValueType::vaFalse: return QStringLiteral("False");
    case TLValueType::vaTrue: return QStringLiteral("True");
    case TLValueType::vaInt8:
    case TLValueType::vaInt16:
    case TLValueType::vaInt32: return QString::number(Int);
    case TLValueType::vaExtended: return QString::number(Extended, 'g', 17);
    case TLValueType::vaIdent: return QString::fromLatin1(Bytes);
    case TLValueType::vaString:
    case TLValueType::vaLString: return Quoted(Bytes);
    case TLValueType::vaBinary: return QStringLiteral("<%1 bytes>").arg(Bytes.size());
    case TLValueType::vaSet: {
        QStringList members;
        for (const QByteArray& member : Set)
            members << QString::fromLatin1(member);
        return u'[' + members.join(u',') + u']';
    }
    case TLValueType::vaList: {
        QStringList items;
        for (const TLValue& item : List)
            items << item.Display();
        return u'(' + items.join(u',') + u')';
    }
    }
    return QString();
}
