// Reads the values and object records of a layout stream from bytes in memory. The bytes are
// untrusted: every length is checked against what is left before anything is allocated, lists
// nest at most kMaxNesting deep, and damage ends the read with a TLStreamError ("Stream read
// error" for bytes that run out, "Invalid property value" for an unknown value type).
#pragma once

#include "TLStreamError.h"
#include "TLStreamValue.h"

#include <functional>

class TLStreamReader {
public:
    static constexpr int kMaxNesting = 16;

    explicit TLStreamReader(const QByteArray& bytes) : Data(bytes) {}

    bool AtEnd() const { return Position >= Data.size(); }
    qsizetype Pos() const { return Position; }
    uint8_t PeekByte() const;
    uint8_t ReadByte();
    QByteArray ReadShortString();
    TLValue ReadValue();
    // "TPF0", the optional 0xF0 prefix, class name, object name, properties, empty child list.
    // `onClassName` runs as soon as the class name is known, so an unknown class is reported
    // before the rest of its record is read.
    TLObjectRecord ReadObjectRecord(const std::function<void(const QByteArray&)>& onClassName = {});
    // 0x01 starting a list; anything else is "Invalid property value".
    void ReadListStart();
    // Whether the next byte ends a list (consumes it when it does).
    bool EndOfList();

private:
    TLValue ReadValue(int depth);
    TLValue ReadTypedValue(TLValueType type, int depth);
    const char* Take(qsizetype count);
    uint32_t ReadLength();

    const QByteArray& Data;
    qsizetype Position = 0;
};
