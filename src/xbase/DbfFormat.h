// Byte layout of .DBF tables: header and field descriptor offsets, version bytes, flags and the
// header date. Anything that parses or writes a .DBF takes its numbers from here; the byte
// coding of its integers is ByteOrder.h's.
#pragma once

#include "ByteOrder.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ctime>

namespace xbase::dbf {

// Table header
inline constexpr size_t kHeaderSize = 32;
inline constexpr size_t kVersionOffset = 0;
inline constexpr size_t kDateOffset = 1;          // YY MM DD as binary bytes
inline constexpr size_t kRecordCountOffset = 4;   // uint32 LE
inline constexpr size_t kHeaderLengthOffset = 8;  // uint16 LE, offset of record 1
inline constexpr size_t kRecordLengthOffset = 10; // uint16 LE, delete flag included
inline constexpr size_t kTableFlagsOffset = 28;
inline constexpr size_t kCodePageOffset = 29;

// Table flags (byte 28)
inline constexpr uint8_t kFlagStructuralIndex = 0x01;
inline constexpr uint8_t kFlagHasMemo = 0x02; // only the wider dialect sets it

// Version bytes
inline constexpr uint8_t kVersionPlain = 0x03;      // no memo
inline constexpr uint8_t kVersionDbaseMemo = 0x83;  // .DBT memo
inline constexpr uint8_t kVersionFoxMemo = 0xF5;    // .FPT memo
inline constexpr uint8_t kVersionVisualFirst = 0x30;
inline constexpr uint8_t kVersionVisualLast = 0x32;

inline constexpr uint8_t kCodePageWindows1252 = 0x03;

// Field descriptors follow the header, 32 bytes each, closed by 0x0D.
inline constexpr size_t kDescriptorSize = 32;
inline constexpr size_t kDescriptorNameSize = 11; // NUL padded, 10 characters at most
inline constexpr size_t kMaxFieldNameLength = 10;
inline constexpr size_t kDescriptorTypeOffset = 11;
inline constexpr size_t kDescriptorDisplacementOffset = 12;
inline constexpr size_t kDescriptorWidthOffset = 16;
inline constexpr size_t kDescriptorDecimalsOffset = 17;
inline constexpr size_t kDescriptorFlagsOffset = 18;
inline constexpr uint8_t kHeaderTerminator = 0x0D;
inline constexpr size_t kVisualBacklinkSize = 263; // owning database path after the terminator

// Field flags of the wider dialect
inline constexpr uint8_t kFieldSystem = 0x01;
inline constexpr uint8_t kFieldNullable = 0x02;
inline constexpr uint8_t kFieldBinary = 0x04;

// Records
inline constexpr uint8_t kLiveFlag = ' ';
inline constexpr uint8_t kDeletedFlag = '*';
inline constexpr uint8_t kEndOfFile = 0x1A;
inline constexpr uint16_t kMemoPointerTextWidth = 10; // ASCII block number
inline constexpr uint16_t kMemoPointerBinaryWidth = 4; // uint32 LE block number
inline constexpr uint16_t kMaxCharacterWidth = 254;    // wider only with the long-character extension
inline constexpr uint16_t kMaxNumericWidth = 20;

// Julian day of 1970-01-01, for the wider dialect's date-time fields.
inline constexpr int64_t kJulianDayOfUnixEpoch = 2440588;

inline bool isVisualVersion(uint8_t version)
{
    return version >= kVersionVisualFirst && version <= kVersionVisualLast;
}

// Today's date into the header's three date bytes. The 0x03/0xF5 dialects count years from
// 1900 (124 for 2024); the wider dialect keeps only the last two digits.
inline void stampHeaderDate(uint8_t* header)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int years = isVisualVersion(header[kVersionOffset]) ? local.tm_year % 100 : local.tm_year;
    header[kDateOffset] = static_cast<uint8_t>(years);
    header[kDateOffset + 1] = static_cast<uint8_t>(local.tm_mon + 1);
    header[kDateOffset + 2] = static_cast<uint8_t>(local.tm_mday);
}

} // namespace xbase::dbf
