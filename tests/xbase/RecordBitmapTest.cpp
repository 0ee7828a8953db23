// The bounded searches that let a query merge its member and changed-record bitmaps without
// scanning the sparser one to its end for every step.
#include "xbase/RecordBitmap.h"

#include <gtest/gtest.h>

using xbase::RecordBitmap;

TEST(RecordBitmapTest, BoundedSearchesStopAtTheirLimit)
{
    RecordBitmap bits(300);
    for (uint32_t r : {5u, 64u, 65u, 200u})
        bits.set(r);
    struct {
        uint32_t From, Limit, Next;
    } cases[] = {
        {1, 300, 5}, {6, 64, 64}, {6, 63, 0}, {66, 199, 0}, {66, 200, 200}, {201, 300, 0}, {300, 1000, 0}, {5, 5, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bits.nextSet(c.From, c.Limit), c.Next) << c.From << ".." << c.Limit;
    EXPECT_EQ(bits.previousSet(199, 65), 65u);
    EXPECT_EQ(bits.previousSet(199, 66), 0u);
    EXPECT_EQ(bits.previousSet(64, 1), 64u);
    EXPECT_EQ(bits.previousSet(4, 1), 0u);
    EXPECT_EQ(bits.previousSet(300, 201), 0u);
    EXPECT_EQ(bits.previousSet(5, 6), 0u) << "a limit above the start finds nothing";
}
