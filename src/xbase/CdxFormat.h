// Byte layout of compact index files (.CDX compound and .IDX single): page and header sizes,
// header field offsets, option and node attribute bits. Everything here is fixed by the file
// format; the byte coding of its integers is ByteOrder.h's.
#pragma once

#include "ByteOrder.h"

#include <cstddef>
#include <cstdint>

namespace xbase::cdx {

inline constexpr uint32_t kPageSize = 512;
inline constexpr uint32_t kHeaderSize = 1024;  // a header spans two pages
inline constexpr uint32_t kNoPage = 0xFFFFFFFFu;
inline constexpr uint16_t kMaxKeyLength = 240;
inline constexpr uint16_t kTagNameLength = 10; // key length of the tag directory
inline constexpr unsigned kMaxTreeDepth = 32;  // far above any real tree; stops loops in damaged files

// Index header (file header, tag header, IDX header).
inline constexpr size_t kHeaderRoot = 0;
inline constexpr size_t kHeaderFreeList = 4;
inline constexpr size_t kHeaderChangeCounter = 8;
inline constexpr size_t kHeaderKeyLength = 12;
inline constexpr size_t kHeaderOptions = 14;
inline constexpr size_t kHeaderSignature = 15;
// A byte the format leaves free (written zero): ours says "being written" (non-zero) while a
// batch of changes is on its way to the file. File header only.
inline constexpr size_t kHeaderWriting = 16;
inline constexpr size_t kHeaderCollation = 0x1EE; // 8 bytes, NUL-padded; empty or MACHINE = byte order
inline constexpr size_t kCollationNameLength = 8;
inline constexpr size_t kHeaderDescending = 502;
inline constexpr size_t kHeaderForStart = 504;
inline constexpr size_t kHeaderForLength = 506;
inline constexpr size_t kHeaderKeyStart = 508;
inline constexpr size_t kHeaderKeyExprLength = 510;
inline constexpr size_t kHeaderPool = 512;
inline constexpr size_t kPoolSize = 512;
inline constexpr uint8_t kSignature = 0x01;

// Option bits (header byte 14).
inline constexpr uint8_t kOptionUnique = 0x01;
inline constexpr uint8_t kOptionFor = 0x08;
inline constexpr uint8_t kOptionCompact = 0x20;
inline constexpr uint8_t kOptionCompound = 0x40;
inline constexpr uint8_t kOptionDirectory = 0x80;

// Node header.
inline constexpr uint16_t kAttributeRoot = 0x01;
inline constexpr uint16_t kAttributeLeaf = 0x02;
inline constexpr size_t kNodeAttributes = 0;
inline constexpr size_t kNodeKeyCount = 2;
inline constexpr size_t kNodeLeft = 4;
inline constexpr size_t kNodeRight = 8;
inline constexpr size_t kNodeHeaderSize = 12;
inline constexpr size_t kInteriorSpace = kPageSize - kNodeHeaderSize; // 500

// Leaf node header after the common 12 bytes.
inline constexpr size_t kLeafFreeBytes = 12;
inline constexpr size_t kLeafRecordMask = 14;
inline constexpr size_t kLeafDuplicateMask = 18;
inline constexpr size_t kLeafTrailingMask = 19;
inline constexpr size_t kLeafRecordBits = 20;
inline constexpr size_t kLeafDuplicateBits = 21;
inline constexpr size_t kLeafTrailingBits = 22;
inline constexpr size_t kLeafEntryBytes = 23;
inline constexpr size_t kLeafHeaderSize = 24;
inline constexpr size_t kLeafSpace = kPageSize - kLeafHeaderSize; // 488

} // namespace xbase::cdx
