#include "xbase/CdxNodeCodec.h"
#include "xbase/JulianDay.h"
#include "xbase/SortableDouble.h"
#include "xbase/InvalidIndexError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace xbase;

namespace {

CdxNode leafOf(uint16_t keyLength, const std::vector<std::pair<std::string, uint32_t>>& entries)
{
    CdxNode node;
    node.keyLength = keyLength;
    node.root = true;
    for (const auto& [key, recno] : entries) {
        std::string padded = key;
        padded.resize(keyLength, ' ');
        node.insertEntry(node.count(), reinterpret_cast<const uint8_t*>(padded.data()), recno);
    }
    return node;
}

} // namespace

// The three-key root leaf of the format notes, byte for byte.
TEST(CdxNodeCodec, EncodesSmallLeafLikeOtherWriters)
{
    const CdxNodeCodec codec(10, ' ');
    const CdxNode node = leafOf(10, {{"JONES", 3}, {"SMITH", 1}, {"SMYTHE", 2}});
    uint8_t page[512];
    codec.encode(node, page);
    const uint8_t head[] = {0x03, 0x00, 0x03, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xD4, 0x01, 0xFF, 0x00,
                            0x00, 0x00, 0x0F, 0x0F, 0x08, 0x04, 0x04, 0x02, 0x03, 0x50, 0x01, 0x50, 0x02, 0x42, 0x00, 0x00};
    EXPECT_EQ(0, std::memcmp(page, head, sizeof head));
    EXPECT_EQ(0, std::memcmp(page + 0x1F2, "YTHESMITHJONES", 14));

    const CdxNode back = codec.decode(page, 0x400, "T.CDX");
    ASSERT_EQ(3u, back.count());
    EXPECT_EQ(0, std::memcmp(back.key(2), "SMYTHE    ", 10));
    EXPECT_EQ(2u, back.recnos[2]);
    EXPECT_TRUE(back.root);
    EXPECT_TRUE(back.leaf);
}

TEST(CdxNodeCodec, WidensEntriesForLargeRecordNumbersAndRoundTrips)
{
    const CdxNodeCodec codec(30, ' ');
    for (uint32_t big : {200u, 70000u, 20000000u, 0xFFFFFFFFu}) {
        const CdxNode node = leafOf(30, {{"ANN", big}, {"ANNA", 5}, {"BOB", 7}, {"", 9}});
        uint8_t page[512];
        codec.encode(node, page);
        const CdxNode back = codec.decode(page, 0x600, "T.CDX");
        EXPECT_EQ(node.keys, back.keys) << big;
        EXPECT_EQ(node.recnos, back.recnos) << big;
    }
}

TEST(CdxNodeCodec, NumericKeysSortAsNumbers)
{
    EXPECT_EQ(std::string("\xC0\x29\0\0\0\0\0\0", 8), SortableDouble::key(12.5));
    EXPECT_EQ(std::string("\x3F\xD6\xFF\xFF\xFF\xFF\xFF\xFF", 8), SortableDouble::key(-12.5));
    EXPECT_EQ(SortableDouble::key(0.0), SortableDouble::key(-0.0));
    EXPECT_EQ(std::string("\xC1\x42\xB1\xAE\x80\0\0\0", 8),
              SortableDouble::key(JulianDay::fromYmd(1996, 7, 4)));
    EXPECT_LT(SortableDouble::key(-3), SortableDouble::key(-2.5));
    EXPECT_LT(SortableDouble::key(-1e-9), SortableDouble::key(0));
    EXPECT_LT(SortableDouble::key(2), SortableDouble::key(10));
}

// Damaged counts and masks must be refused before they reach outside the page.
TEST(CdxNodeCodec, RefusesDamagedLeaves)
{
    const CdxNodeCodec codec(10, ' ');
    uint8_t good[512];
    codec.encode(leafOf(10, {{"JONES", 3}, {"SMITH", 1}, {"SMYTHE", 2}}), good);
    struct Damage {
        const char* what;
        size_t offset;
        uint8_t value;
    };
    const Damage cases[] = {
        {"key count far too high", 2, 0xFF},
        {"key count one too high", 2, 4},
        {"entry width zero", 23, 0},
        {"bit counts disagree", 20, 9},
        {"record mask wrong", 14, 0x7F},
        {"free bytes wrong", 12, 0xD5},
        {"trailing count beyond key", 25, 0xF0},
    };
    for (const Damage& d : cases) {
        uint8_t page[512];
        std::memcpy(page, good, sizeof page);
        page[d.offset] = d.value;
        EXPECT_THROW(codec.decode(page, 0x400, "T.CDX"), InvalidIndexError) << d.what;
    }
    uint8_t interior[512] = {};
    interior[2] = 200; // 200 entries of 18 bytes cannot fit
    EXPECT_THROW(codec.decode(interior, 0x400, "T.CDX"), InvalidIndexError);
}
