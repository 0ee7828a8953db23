// Turns 512-byte index pages into CdxNode values and back. Leaves use the compact encoding:
// per entry a packed (record number, duplicate count, trailing count) of K bytes, and only the
// key bytes that differ from the previous key, stored from the end of the page downward.
//
// decode checks every count and length against the page and throws InvalidIndexError naming
// `path` when they do not fit, so damaged bytes never lead outside the page.
#pragma once

#include "CdxNode.h"

#include <string>

namespace xbase {

class CdxNodeCodec {
public:
    CdxNodeCodec(uint16_t keyLength, uint8_t filler) : keyLength_(keyLength), filler_(filler) {}

    CdxNode decode(const uint8_t* page, uint32_t offset, const std::string& path) const;
    void encode(const CdxNode& node, uint8_t* page) const;

    // Bytes the entries of a leaf take in the 488-byte leaf area.
    size_t leafBytes(const CdxNode& node) const { return leafBytes(node, 0, node.count()); }
    // The same for entries [from, to) as if they stood alone on a page.
    size_t leafBytes(const CdxNode& node, size_t from, size_t to) const;
    bool fits(const CdxNode& node) const;
    size_t interiorCapacity() const { return cdx::kInteriorSpace / (keyLength_ + 8u); }

    // Entry width K for the largest record number of a page, and the bit counts it implies.
    unsigned entryBytesFor(uint32_t maxRecno) const;
    unsigned countBits() const;
    size_t trailingCount(const uint8_t* key) const;
    size_t duplicateCount(const uint8_t* previous, size_t previousTrailing, const uint8_t* key,
                          size_t trailing) const;

    uint16_t keyLength() const { return keyLength_; }
    uint8_t filler() const { return filler_; }

private:
    CdxNode decodeLeaf(const uint8_t* page, CdxNode node, const std::string& path) const;
    CdxNode decodeInterior(const uint8_t* page, CdxNode node, const std::string& path) const;
    void encodeLeaf(const CdxNode& node, uint8_t* page) const;

    uint16_t keyLength_;
    uint8_t filler_;
};

} // namespace xbase
