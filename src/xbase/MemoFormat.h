// Byte layout of memo files: the .FPT kind (big-endian header, typed and length-prefixed
// blocks) and the older .DBT kind (fixed 512-byte blocks, text closed by 0x1A).
#pragma once

#include <cstddef>
#include <cstdint>

namespace xbase::memo {

// .FPT
inline constexpr size_t kFptHeaderSize = 512;
inline constexpr size_t kFptNextFreeOffset = 0; // uint32 BE
inline constexpr size_t kFptBlockSizeOffset = 6; // uint16 BE
inline constexpr size_t kFptBlockHeaderSize = 8; // type BE, length BE
inline constexpr uint32_t kFptTypePicture = 0;
inline constexpr uint32_t kFptTypeText = 1;
inline constexpr uint32_t kDefaultBlockSize = 64;

// .DBT
inline constexpr uint32_t kDbtBlockSize = 512;
inline constexpr size_t kDbtHeaderSize = 512;
inline constexpr size_t kDbtNextFreeOffset = 0; // uint32 LE
inline constexpr uint8_t kDbtTerminator = 0x1A;

} // namespace xbase::memo
