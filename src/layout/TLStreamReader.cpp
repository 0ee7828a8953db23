#include "TLStreamReader.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

uint8_t TLStreamReader::PeekByte() const
{
    if (AtEnd())
        throw TLStreamError(TLStreamError::StreamReadError());
    return uint8_t(Data[Position]);
}

const char* TLStreamReader::Take(qsizetype count)
{
    if (count < 0 || count > Data.size() - Position)
        throw TLStreamError(TLStreamError::StreamReadError());
    const char* start = Data.constData() + Position;
    Position += count;
    return start;
}

uint8_t TLStreamReader::ReadByte() { return uint8_t(*Take(1)); }

uint32_t TLStreamReader::ReadLength() { return qFromLittleEndian<uint32_t>(Take(4)); }

QByteArray TLStreamReader::ReadShortString()
{
    const uint8_t length = ReadByte();
    return QByteArray(Take(length), length);
}

void TLStreamReader::ReadListStart()
{
    if (ReadByte() != uint8_t(TLValueType::vaList))
        throw TLStreamError(TLStreamError::InvalidPropertyValue());
}

bool TLStreamReader::EndOfList()
{
    if (PeekByte() != 0)
        return false;
    ++Position;
    return true;
}

TLValue TLStreamReader::ReadValue() { return ReadValue(0); }

TLValue TLStreamReader::ReadValue(int depth)
{
    const uint8_t type = ReadByte();
    if (type > uint8_t(TLValueType::vaNil))
        throw TLStreamError(TLStreamError::InvalidPropertyValue());
    return ReadTypedValue(TLValueType(type), depth);
}

TLValue TLStreamReader::ReadTypedValue(TLValueType type, int depth)
{
    TLValue value{type};
    switch (type) {
    case TLValueType::vaNull:
    case TLValueType::vaFalse:
    case TLValueType::vaTrue:
    case TLValueType::vaNil:
        break;
    case TLValueType::vaList:
        if (depth >= kMaxNesting)
            throw TLStreamError(TLStreamError::InvalidPropertyValue());
        while (!EndOfList())
            value.List.push_back(ReadValue(depth + 1));
        break;
    case TLValueType::vaInt8:
        value.Int = int8_t(ReadByte());
        break;
    case TLValueType::vaInt16:
        value.Int = qFromLittleEndian<int16_t>(Take(2));
        break;
    case TLValueType::vaInt32:
        value.Int = qFromLittleEndian<int32_t>(Take(4));
        break;
    case TLValueType::vaExtended: {
        // 80-bit extended: 64-bit mantissa with explicit integer bit, 15-bit exponent, sign.
        const char* bytes = Take(10);
        const uint64_t mantissa = qFromLittleEndian<uint64_t>(bytes);
        const uint16_t signExponent = qFromLittleEndian<uint16_t>(bytes + 8);
        const int exponent = signExponent & 0x7FFF;
        double result = exponent == 0 && mantissa == 0 ? 0.0 : std::ldexp(double(mantissa), exponent - 16383 - 63);
        value.Extended = (signExponent & 0x8000) ? -result : result;
        break;
    }
    case TLValueType::vaString:
    case TLValueType::vaIdent:
        value.Bytes = ReadShortString();
        break;
    case TLValueType::vaBinary:
    case TLValueType::vaLString: {
        const uint32_t length = ReadLength();
        if (length > uint32_t(Data.size() - Position))
            throw TLStreamError(TLStreamError::StreamReadError());
        value.Bytes = QByteArray(Take(qsizetype(length)), qsizetype(length));
        break;
    }
    case TLValueType::vaSet:
        for (QByteArray member = ReadShortString(); !member.isEmpty(); member = ReadShortString())
            value.Set.append(member);
        break;
    }
    return value;
}

TLObjectRecord TLStreamReader::ReadObjectRecord(const std::function<void(const QByteArray&)>& onClassName)
{
    if (std::memcmp(Take(4), "TPF0", 4) != 0)
        throw TLStreamError(TLStreamError::InvalidStreamFormat());
    // A prefix byte 0xF0 + flags; with flag 0x02 a typed integer (the child position) follows.
    if ((PeekByte() & 0xF0) == 0xF0) {
        const uint8_t flags = ReadByte() & 0x0F;
        if (flags & 0x02) {
            if (!ReadValue(kMaxNesting).IsInteger())
                throw TLStreamError(TLStreamError::InvalidPropertyValue());
        }
    }
    TLObjectRecord record;
    record.ClassName = ReadShortString();
    if (onClassName)
        onClassName(record.ClassName);
    record.Name = ReadShortString();
    while (!EndOfList()) {
        TLProperty property;
        property.Name = ReadShortString();
        property.Value = ReadValue(0);
        record.Properties.push_back(std::move(property));
    }
    // Layout objects have no children; a child record here is damage.
    if (!EndOfList())
        throw TLStreamError(TLStreamError::InvalidPropertyValue());
    return record;
}
