#include "CdxTagHeader.h"

#include "CdxFormat.h"
#include "InvalidIndexError.h"

#include <algorithm>
#include <cstring>

namespace xbase {

using namespace cdx;

bool CdxTagHeader::unique() const { return (options & kOptionUnique) != 0; }

namespace {

// Text of a pool slice: up to its NUL, never past the slice.
std::string poolText(const uint8_t* pool, size_t start, size_t length)
{
    const char* text = reinterpret_cast<const char*>(pool + start);
    return std::string(text, strnlen(text, length));
}

} // namespace

CdxTagHeader CdxTagHeader::parse(const uint8_t* bytes, const std::string& path)
{
    CdxTagHeader header;
    header.root = readLe32(bytes + kHeaderRoot);
    header.keyLength = readLe16(bytes + kHeaderKeyLength);
    header.options = bytes[kHeaderOptions];
    header.descending = readLe16(bytes + kHeaderDescending) == 1;
    const size_t forStart = readLe16(bytes + kHeaderForStart);
    const size_t forLength = readLe16(bytes + kHeaderForLength);
    const size_t keyStart = readLe16(bytes + kHeaderKeyStart);
    const size_t keyLength = readLe16(bytes + kHeaderKeyExprLength);
    auto bad = [&](const char* what) {
        return InvalidIndexError(path + ": damaged index header (" + std::string(what) + ")");
    };
    if (!(header.options & kOptionCompact))
        throw bad("not a compact index; the older uncompressed layout is not read");
    if (header.keyLength == 0 || header.keyLength > kMaxKeyLength)
        throw bad("key length");
    // Keys of other collations are weight bytes from tables we do not have; reading them as
    // plain bytes would seek wrongly, so such a tag asks for a rebuild. Stray bytes that do not
    // spell a name are left alone, as other writers leave them there.
    const std::string collation = poolText(bytes, kHeaderCollation, kCollationNameLength);
    const bool isName = !collation.empty() && std::all_of(collation.begin(), collation.end(), [](char c) {
        return c >= 'A' && c <= 'Z';
    });
    if (isName && collation != "MACHINE")
        throw InvalidIndexError(path + ": index uses the " + collation + " collation, which is not supported");
    if (keyStart + keyLength > kPoolSize || forStart + forLength > kPoolSize || keyLength + forLength > kPoolSize)
        throw bad("expression lengths");
    const uint8_t* pool = bytes + kHeaderPool;
    header.keyExpression = poolText(pool, keyStart, keyLength);
    if (forLength > 1)
        header.forExpression = poolText(pool, forStart, forLength);
    return header;
}

void CdxTagHeader::serialize(uint8_t* bytes) const
{
    std::memset(bytes, 0, kHeaderSize);
    writeLe32(bytes + kHeaderRoot, root);
    writeLe16(bytes + kHeaderKeyLength, keyLength);
    bytes[kHeaderOptions] = options;
    bytes[kHeaderSignature] = kSignature;
    writeLe16(bytes + kHeaderDescending, descending ? 1 : 0);
    const uint16_t keyTextLength = uint16_t(keyExpression.size() + 1);
    const uint16_t forTextLength = uint16_t(forExpression.size() + 1);
    writeLe16(bytes + kHeaderForStart, keyTextLength);
    writeLe16(bytes + kHeaderForLength, forTextLength);
    writeLe16(bytes + kHeaderKeyStart, 0);
    writeLe16(bytes + kHeaderKeyExprLength, keyTextLength);
    uint8_t* pool = bytes + kHeaderPool;
    std::memcpy(pool, keyExpression.data(), keyExpression.size());
    std::memcpy(pool + keyTextLength, forExpression.data(), forExpression.size());
}

} // namespace xbase
