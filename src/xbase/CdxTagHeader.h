// The 1024-byte header of one index tree (a tag of a compound file, the tag directory, or a
// single .IDX file): root page, key width, options and the expression texts.
#pragma once

#include <cstdint>
#include <string>

namespace xbase {

struct CdxTagHeader {
    uint32_t root = 0;
    uint16_t keyLength = 0;
    uint8_t options = 0;
    bool descending = false;
    std::string keyExpression;
    std::string forExpression;

    bool unique() const;
    // Checks lengths and pool offsets; throws InvalidIndexError naming `path`.
    static CdxTagHeader parse(const uint8_t* bytes, const std::string& path);
    // Fills all 1024 bytes (the free list and change counter fields left zero).
    void serialize(uint8_t* bytes) const;
};

} // namespace xbase
