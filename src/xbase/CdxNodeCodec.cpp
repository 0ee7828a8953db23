#include "CdxNodeCodec.h"

#include "InvalidIndexError.h"

#include <algorithm>
#include <bit>

namespace xbase {

using namespace cdx;

namespace {

[[noreturn]] void fail(const std::string& path, uint32_t offset, const char* what)
{
    throw InvalidIndexError(path + ": damaged index page at offset " + std::to_string(offset) + " (" + what + ")");
}

uint32_t maskOf(unsigned bits) { return bits >= 32 ? 0xFFFFFFFFu : (uint32_t(1) << bits) - 1; }

} // namespace

unsigned CdxNodeCodec::countBits() const { return unsigned(std::bit_width(unsigned(keyLength_))); }

unsigned CdxNodeCodec::entryBytesFor(uint32_t maxRecno) const
{
    const unsigned recordBits = std::max(1u, unsigned(std::bit_width(maxRecno)));
    unsigned k = 1;
    while (8 * k < recordBits + 2 * countBits())
        ++k;
    return k;
}

size_t CdxNodeCodec::trailingCount(const uint8_t* key) const
{
    // Eight bytes at a time: keys are mostly blank tails.
    const uint64_t fill8 = 0x0101010101010101ull * filler_;
    size_t n = keyLength_;
    while (n >= 8) {
        uint64_t word;
        std::memcpy(&word, key + n - 8, 8);
        if (word != fill8)
            break;
        n -= 8;
    }
    while (n > 0 && key[n - 1] == filler_)
        --n;
    return keyLength_ - n;
}

size_t CdxNodeCodec::duplicateCount(const uint8_t* previous, size_t previousTrailing, const uint8_t* key,
                                    size_t trailing) const
{
    // Capping by the larger trailing run matches what other writers produce byte for byte.
    const size_t limit = keyLength_ - std::max(previousTrailing, trailing);
    size_t n = 0;
    while (n + 8 <= limit) {
        uint64_t a, b;
        std::memcpy(&a, previous + n, 8);
        std::memcpy(&b, key + n, 8);
        if (a != b) {
            if constexpr (std::endian::native == std::endian::little)
                return n + size_t(std::countr_zero(a ^ b)) / 8;
            break;
        }
        n += 8;
    }
    while (n < limit && previous[n] == key[n])
        ++n;
    return n;
}

size_t CdxNodeCodec::leafBytes(const CdxNode& node, size_t from, size_t to) const
{
    const size_t n = to - from;
    if (n == 0)
        return 0;
    uint32_t maxRecno = 0;
    size_t stored = 0;
    size_t previousTrailing = 0;
    for (size_t i = from; i < to; ++i) {
        maxRecno = std::max(maxRecno, node.recnos[i]);
        const size_t trailing = trailingCount(node.key(i));
        const size_t dup = i == from ? 0 : duplicateCount(node.key(i - 1), previousTrailing, node.key(i), trailing);
        stored += keyLength_ - dup - trailing;
        previousTrailing = trailing;
    }
    return n * entryBytesFor(maxRecno) + stored;
}

bool CdxNodeCodec::fits(const CdxNode& node) const
{
    if (node.leaf)
        return leafBytes(node) <= kLeafSpace;
    return node.count() <= interiorCapacity();
}

CdxNode CdxNodeCodec::decode(const uint8_t* page, uint32_t offset, const std::string& path) const
{
    CdxNode node;
    node.offset = offset;
    node.keyLength = keyLength_;
    const uint16_t attributes = readLe16(page + kNodeAttributes);
    node.leaf = (attributes & kAttributeLeaf) != 0;
    node.root = (attributes & kAttributeRoot) != 0;
    node.left = readLe32(page + kNodeLeft);
    node.right = readLe32(page + kNodeRight);
    return node.leaf ? decodeLeaf(page, std::move(node), path) : decodeInterior(page, std::move(node), path);
}

CdxNode CdxNodeCodec::decodeInterior(const uint8_t* page, CdxNode node, const std::string& path) const
{
    const size_t n = readLe16(page + kNodeKeyCount);
    const size_t entry = keyLength_ + 8u;
    if (n == 0 || n * entry > kInteriorSpace)
        fail(path, node.offset, "interior key count");
    node.keys.resize(n * keyLength_);
    node.recnos.resize(n);
    node.children.resize(n);
    const uint8_t* p = page + kNodeHeaderSize;
    for (size_t i = 0; i < n; ++i, p += entry) {
        std::memcpy(node.key(i), p, keyLength_);
        node.recnos[i] = readBe32(p + keyLength_);
        node.children[i] = readBe32(p + keyLength_ + 4);
        if (node.children[i] == 0 || node.children[i] % kPageSize != 0 || node.children[i] == node.offset)
            fail(path, node.offset, "child pointer");
    }
    return node;
}

CdxNode CdxNodeCodec::decodeLeaf(const uint8_t* page, CdxNode node, const std::string& path) const
{
    const size_t n = readLe16(page + kNodeKeyCount);
    const unsigned recordBits = page[kLeafRecordBits];
    const unsigned dupBits = page[kLeafDuplicateBits];
    const unsigned trailBits = page[kLeafTrailingBits];
    const unsigned k = page[kLeafEntryBytes];
    if (n > 0) {
        if (k < 1 || k > 8 || recordBits + dupBits + trailBits != 8 * k || recordBits == 0 || dupBits > 8
            || trailBits > 8)
            fail(path, node.offset, "entry layout");
        if (readLe32(page + kLeafRecordMask) != maskOf(recordBits) || page[kLeafDuplicateMask] != maskOf(dupBits)
            || page[kLeafTrailingMask] != maskOf(trailBits))
            fail(path, node.offset, "entry masks");
        if (n * k > kLeafSpace)
            fail(path, node.offset, "leaf key count");
    }
    node.keys.resize(n * keyLength_);
    node.recnos.resize(n);
    const uint64_t recMask = maskOf(recordBits);
    const uint64_t dupMask = maskOf(dupBits);
    const uint64_t trailMask = maskOf(trailBits);
    const size_t entriesEnd = kLeafHeaderSize + n * k;
    size_t pos = kPageSize;
    for (size_t i = 0; i < n; ++i) {
        uint64_t v = 0;
        const uint8_t* e = page + kLeafHeaderSize + i * k;
        for (unsigned b = 0; b < k; ++b)
            v |= uint64_t(e[b]) << (8 * b);
        const uint32_t recno = uint32_t(v & recMask);
        size_t dup = size_t((v >> recordBits) & dupMask);
        const size_t trailing = size_t((v >> (recordBits + dupBits)) & trailMask);
        if (i == 0)
            dup = 0;
        if (dup + trailing > keyLength_)
            fail(path, node.offset, "key compression counts");
        const size_t fresh = keyLength_ - dup - trailing;
        if (pos < entriesEnd + fresh)
            fail(path, node.offset, "key bytes overlap the entries");
        pos -= fresh;
        uint8_t* key = node.key(i);
        if (i > 0)
            std::memcpy(key, node.key(i - 1), dup);
        std::memcpy(key + dup, page + pos, fresh);
        std::memset(key + dup + fresh, filler_, trailing);
        node.recnos[i] = recno;
    }
    const size_t used = (kPageSize - pos) + n * k;
    if (readLe16(page + kLeafFreeBytes) != kLeafSpace - used)
        fail(path, node.offset, "free byte count");
    return node;
}

void CdxNodeCodec::encode(const CdxNode& node, uint8_t* page) const
{
    std::memset(page, 0, kPageSize);
    writeLe16(page + kNodeAttributes,
              uint16_t((node.root ? kAttributeRoot : 0) | (node.leaf ? kAttributeLeaf : 0)));
    writeLe16(page + kNodeKeyCount, uint16_t(node.count()));
    writeLe32(page + kNodeLeft, node.left);
    writeLe32(page + kNodeRight, node.right);
    if (node.leaf) {
        encodeLeaf(node, page);
        return;
    }
    uint8_t* p = page + kNodeHeaderSize;
    for (size_t i = 0; i < node.count(); ++i, p += keyLength_ + 8u) {
        std::memcpy(p, node.key(i), keyLength_);
        writeBe32(p + keyLength_, node.recnos[i]);
        writeBe32(p + keyLength_ + 4, node.children[i]);
    }
}

void CdxNodeCodec::encodeLeaf(const CdxNode& node, uint8_t* page) const
{
    const size_t n = node.count();
    uint32_t maxRecno = 0;
    for (uint32_t r : node.recnos)
        maxRecno = std::max(maxRecno, r);
    const unsigned bits = countBits();
    const unsigned k = entryBytesFor(maxRecno);
    const unsigned recordBits = 8 * k - 2 * bits;
    page[kLeafRecordBits] = uint8_t(recordBits);
    page[kLeafDuplicateBits] = uint8_t(bits);
    page[kLeafTrailingBits] = uint8_t(bits);
    page[kLeafEntryBytes] = uint8_t(k);
    writeLe32(page + kLeafRecordMask, maskOf(recordBits));
    page[kLeafDuplicateMask] = uint8_t(maskOf(bits));
    page[kLeafTrailingMask] = uint8_t(maskOf(bits));
    size_t pos = kPageSize;
    size_t previousTrailing = 0;
    for (size_t i = 0; i < n; ++i) {
        const size_t trailing = trailingCount(node.key(i));
        const size_t dup = i == 0 ? 0 : duplicateCount(node.key(i - 1), previousTrailing, node.key(i), trailing);
        const size_t fresh = keyLength_ - dup - trailing;
        pos -= fresh;
        std::memcpy(page + pos, node.key(i) + dup, fresh);
        const uint64_t v = uint64_t(node.recnos[i]) | (uint64_t(dup) << recordBits)
                           | (uint64_t(trailing) << (recordBits + bits));
        uint8_t* e = page + kLeafHeaderSize + i * k;
        for (unsigned b = 0; b < k; ++b)
            e[b] = uint8_t(v >> (8 * b));
        previousTrailing = trailing;
    }
    writeLe16(page + kLeafFreeBytes, uint16_t(kLeafSpace - (kPageSize - pos) - n * k));
}

} // namespace xbase
