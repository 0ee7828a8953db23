// POSTNET: which digits a ZIP and street line give, the check digit, the bars and their places.
#include "layout/TBarcodeConstants.h"
#include "layout/TPostNetEncoder.h"

#include <gtest/gtest.h>

namespace {

constexpr TRoutingDigits d5 = TRoutingDigits::rd5Digit;
constexpr TRoutingDigits d9 = TRoutingDigits::rd9Digit;
constexpr TRoutingDigits d11 = TRoutingDigits::rd11Digit;

TEST(PostNetEncoderTest, DigitsAndCheckDigitByZipStreetAndType)
{
    struct Case { const char* Zip; const char* Street; TRoutingDigits Type; const char* Digits; };
    const Case cases[] = {
        {"12345", "", d5, "123455"},
        {"12345-6789", "", d9, "1234567895"},
        {"12345-6789", "1600 PENNSYLVANIA AVE", d11, "123456789005"},
        {"12345-6789", "123 MAIN ST APT 4", d11, "123456789041"},
        {"12345-6789", "", d5, "123455"},             // the first five of a ZIP+4
        {"12345", "", d9, "123455"},                  // a 5-digit ZIP gives the 5-digit code ...
        {"12345", "123 MAIN ST APT 4", d11, "123455"},// ... never ZIP + delivery point
        {"00000", "", d5, "000000"},
        {"99999 9999", "", d9, "9999999999"},
    };
    for (const Case& c : cases) {
        const TBarList bars = TPostNetEncoder::Encode(c.Zip, c.Street, c.Type);
        EXPECT_EQ(bars.Digits, c.Digits) << c.Zip << " / " << c.Street;
        EXPECT_EQ(bars.Bars.size(), bars.Digits.size() * 5 + 2) << c.Zip;
        EXPECT_EQ(bars.Pattern.size(), bars.Bars.size());
    }
}

TEST(PostNetEncoderTest, ZipTextsThatGiveNoBarcode)
{
    struct Case { const char* Zip; TRoutingDigits Type; const char* Reason; };
    const Case cases[] = {
        {"1234", d5, "shorter than 5"},
        {"", d11, "shorter than 5"},
        {"K1A 0B1", d11, "outside"},                  // a Canadian postal code
        {"99999-99999", d9, "outside"},
        {"1234A", d5, "5 or 9 digits"},               // would print four digits and a check digit
        {"12345-678", d9, "5 or 9 digits"},           // a ZIP+4 typed short
        {"12345-67890", d11, "5 or 9 digits"},
        {"12345", TRoutingDigits::rdNone, "no routing"},
    };
    for (const Case& c : cases) {
        const TBarList bars = TPostNetEncoder::Encode(c.Zip, "123 MAIN ST", c.Type);
        EXPECT_TRUE(bars.Empty()) << c.Zip;
        EXPECT_NE(bars.Reason.find(c.Reason), std::string::npos) << c.Zip << ": " << bars.Reason;
    }
}

TEST(PostNetEncoderTest, DeliveryPointDigitsOfStreetLines)
{
    const std::pair<const char*, const char*> cases[] = {
        {"123 MAIN ST APT 4", "04"},
        {"APT B2", "02"},
        {"12 1/2 MAIN ST", "12"},
        {"3RD AVE", "99"},                            // an ordinal is no house number
        {"22ND ST", "99"},
        {"1 APOLLO DR", "01"},                        // APO inside a word is not a military address
        {"PSC 2 BOX 5 APO AE", "99"},
        {"UNIT 2050 BOX 4190 FPO AP", "99"},
        {"1600 PENNSYLVANIA AVE", "00"},
        {"1234 elm st", "34"},                        // lower case reads as upper case
        {"", "99"},
        {"MAIN STREET", "99"},
    };
    for (const auto& [street, digits] : cases)
        EXPECT_EQ(TPostNetEncoder::DeliveryPoint(street), digits) << street;
}

TEST(PostNetEncoderTest, BarsFollowTheDigitPatternsOnOneBaseLine)
{
    using namespace TBarcodeConstants;
    const TBarList bars = TPostNetEncoder::Encode("12345", "", d5);
    //                      frame  1       2       3       4       5       check 5 frame
    EXPECT_EQ(bars.Pattern, "|" "...||" "..|.|" "..||." ".|..|" ".|.|." ".|.|." "|");
    ASSERT_EQ(bars.Bars.size(), 32u);
    EXPECT_EQ(bars.Bars[0], (TBar{0.0, 0.0, PostNetBarWidth, PostNetFullHeight}));
    EXPECT_EQ(bars.Bars[1], (TBar{PostNetPitch, PostNetFullHeight - PostNetHalfHeight, PostNetBarWidth, PostNetHalfHeight}));
    for (std::size_t i = 0; i < bars.Bars.size(); ++i) {
        EXPECT_DOUBLE_EQ(bars.Bars[i].Left, double(i) * 0.046);
        EXPECT_DOUBLE_EQ(bars.Bars[i].Top + bars.Bars[i].Height, 0.125) << i;
        EXPECT_DOUBLE_EQ(bars.Bars[i].Height, bars.Pattern[i] == '|' ? 0.125 : 0.055) << i;
    }
}

} // namespace
