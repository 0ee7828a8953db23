// FIM: the three patterns, their slots and bar sizes, the type letter.
#include "layout/TFimEncoder.h"

#include <gtest/gtest.h>

namespace {

TEST(FimEncoderTest, PatternsSlotsAndBars)
{
    struct Case { TFimKind Kind; const char* Pattern; std::vector<int> Slots; };
    const Case cases[] = {
        {TFimKind::fkA, "||  |  ||", {1, 3, 9, 15, 17}},
        {TFimKind::fkB, "| || || |", {1, 5, 7, 11, 13, 17}},
        {TFimKind::fkC, "|| | | ||", {1, 3, 7, 11, 15, 17}},
    };
    for (const Case& c : cases) {
        const TBarList bars = TFimEncoder::Encode(c.Kind);
        EXPECT_EQ(bars.Pattern, c.Pattern);
        ASSERT_EQ(bars.Bars.size(), c.Slots.size());
        for (std::size_t i = 0; i < c.Slots.size(); ++i)
            EXPECT_EQ(bars.Bars[i], (TBar{(c.Slots[i] - 1) / 32.0, 0.0, 1 / 32.0, 0.5625})) << c.Pattern << " " << i;
    }
}

TEST(FimEncoderTest, TypeLetterInAnyCase)
{
    EXPECT_EQ(TFimEncoder::Parse("a"), TFimKind::fkA);
    EXPECT_EQ(TFimEncoder::Parse("B"), TFimKind::fkB);
    EXPECT_EQ(TFimEncoder::Parse("c"), TFimKind::fkC);
    EXPECT_EQ(TFimEncoder::Parse("D"), std::nullopt);
    EXPECT_EQ(TFimEncoder::Parse("AB"), std::nullopt);
    EXPECT_EQ(TFimEncoder::Parse(""), std::nullopt);
}

} // namespace
