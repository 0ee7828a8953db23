// The Intelligent Mail barcode against the postal service's published examples, its largest
// input, the validation of its parts and the bar shapes.
#include "layout/TBarcodeConstants.h"
#include "layout/TIMbEncoder.h"

#include <gtest/gtest.h>

namespace {

const char* const Tracking = "01234567094987654321";

TEST(IMbEncoderTest, PublishedExamples)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT"},
        {"01234", "DTTAFADDTTFTDTFTFDTDDADADAFADFATDDFTAAAFDTTADFAAATDFDTDFADDDTDFFT"},
        {"012345678", "ADFTTAFDTTTTFATTADTAAATFTFTATDAAAFDDADATATDTDTTDFDTDATADADTDFFTFA"},
        {"01234567891", "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA"},
    };
    for (const auto& [routing, letters] : cases)
        EXPECT_EQ(TIMbEncoder::Letters(Tracking, routing), letters) << "routing " << routing;
}

TEST(IMbEncoderTest, PublishedIntermediateFiguresOfTheElevenDigitExample)
{
    const TIMbEncoder::TUInt128 value = TIMbEncoder::BinaryValue(Tracking, "01234567891");
    EXPECT_EQ(std::uint64_t(value >> 64), 0x016907B2A2ULL);
    EXPECT_EQ(std::uint64_t(value), 0x4ABC16A2E5C004B1ULL);
    const unsigned frameCheck = TIMbEncoder::FrameCheck(value);
    EXPECT_EQ(frameCheck, 0x751u);
    const std::array<int, 10> expected{673, 787, 607, 1022, 861, 19, 816, 1294, 35, 602};
    EXPECT_EQ(TIMbEncoder::Codewords(value, frameCheck), expected);
}

TEST(IMbEncoderTest, LargestInputStaysWithinTheCodewordRanges)
{
    const char* const tracking = "94999999999999999999";
    const char* const routing = "99999999999";
    const TIMbEncoder::TUInt128 value = TIMbEncoder::BinaryValue(tracking, routing);
    EXPECT_LT(value, TIMbEncoder::TUInt128(1) << 102);
    // Without the frame check's bit 10 the first codeword must stay below 659.
    EXPECT_LE(TIMbEncoder::Codewords(value, 0)[0], 658);
    const std::string letters = TIMbEncoder::Letters(tracking, routing);
    EXPECT_EQ(letters.size(), 65u);
    EXPECT_EQ(letters.find_first_not_of("ADFT"), std::string::npos);
}

TEST(IMbEncoderTest, RoutingDigitsOfARecordFollowThePostNetRules)
{
    struct Case { const char* Zip; const char* Street; TRoutingDigits Routing; const char* Digits; };
    const Case cases[] = {
        {"01234-5678", "PO BOX 91", TRoutingDigits::rd11Digit, "01234567891"},
        {"01234-5678", "PO BOX 91", TRoutingDigits::rd9Digit, "012345678"},
        {"01234", "PO BOX 91", TRoutingDigits::rd11Digit, "01234"},
        {"K1A 0B1", "", TRoutingDigits::rdNone, ""},
        {"K1A 0B1", "", TRoutingDigits::rd5Digit, nullptr},   // no routing, no barcode
    };
    for (const Case& c : cases) {
        const TBarList bars = TIMbEncoder::EncodeRecord(Tracking, c.Zip, c.Street, c.Routing);
        if (!c.Digits) {
            EXPECT_TRUE(bars.Empty()) << c.Zip;
            EXPECT_FALSE(bars.Reason.empty());
            continue;
        }
        EXPECT_EQ(bars.Pattern, TIMbEncoder::Letters(Tracking, c.Digits)) << c.Zip;
        EXPECT_EQ(bars.Bars.size(), 65u);
    }
}

TEST(IMbEncoderTest, BadTrackingCodesAndRoutingDigitsAreRefused)
{
    struct Case { const char* Tracking; const char* Routing; const char* Reason; };
    const Case cases[] = {
        {"0123456709498765432", "", "20 digits"},
        {"012345670949876543210", "", "20 digits"},
        {"0123456709498765432A", "", "20 digits"},
        {"05234567094987654321", "", "second digit"},
        {Tracking, "0123", "0, 5, 9 or 11"},
        {Tracking, "0123456789", "0, 5, 9 or 11"},
        {Tracking, "01234-5678", "0, 5, 9 or 11"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_EQ(TIMbEncoder::Letters(c.Tracking, c.Routing, &reason), "") << c.Tracking << " " << c.Routing;
        EXPECT_NE(reason.find(c.Reason), std::string::npos) << reason;
        EXPECT_TRUE(TIMbEncoder::Encode(c.Tracking, c.Routing).Empty());
    }
}

TEST(IMbEncoderTest, TrackingCodeFromItsParts)
{
    struct Case { const char* BarcodeId; const char* ServiceTypeId; const char* MailerId; long long Serial;
                  const char* Tracking; const char* Reason; };
    const Case cases[] = {
        {"00", "700", "123456", 42, "00700123456000000042", ""},
        {"01", "234", "567094", 987654321, Tracking, ""},
        {"00", "700", "912345678", 42, "00700912345678000042", ""},
        {"00", "700", "123456", 1000000000, "", "serial number"},
        {"00", "700", "912345678", 1000000, "", "serial number"},
        {"00", "700", "123456", -1, "", "serial number"},
        {"00", "700", "912345", 1, "", "Mailer ID"},       // six digits must not start with 9
        {"00", "700", "123456789", 1, "", "Mailer ID"},    // nine digits must start with 9
        {"00", "700", "12345", 1, "", "Mailer ID"},
        {"05", "700", "123456", 1, "", "Barcode ID"},
        {"0", "700", "123456", 1, "", "Barcode ID"},
        {"00", "70", "123456", 1, "", "Service Type ID"},
        {"00", "7O0", "123456", 1, "", "Service Type ID"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_EQ(TIMbEncoder::TrackingCode(c.BarcodeId, c.ServiceTypeId, c.MailerId, c.Serial, &reason), c.Tracking)
            << c.MailerId << " " << c.Serial;
        EXPECT_NE(reason.find(c.Reason), std::string::npos) << reason;
    }
}

TEST(IMbEncoderTest, BarsTakeTheirShapeFromTheLetterWithinTheTolerances)
{
    using namespace TBarcodeConstants;
    EXPECT_TRUE(IMbBarWidth >= 0.015 && IMbBarWidth <= 0.025);
    EXPECT_TRUE(IMbPitch >= 0.0416 && IMbPitch <= 0.050);
    EXPECT_TRUE(IMbFullHeight >= 0.125 && IMbFullHeight <= 0.165);
    EXPECT_TRUE(IMbTrackerHeight >= 0.039 && IMbTrackerHeight <= 0.057);

    const TBarList bars = TIMbEncoder::Encode(Tracking, "01234567891");
    EXPECT_EQ(bars.Digits, "01234567094987654321 01234567891");
    EXPECT_EQ(TIMbEncoder::Encode(Tracking, "").Digits, Tracking);
    ASSERT_EQ(bars.Bars.size(), 65u);
    const double trackerTop = IMbExtender, trackerBottom = IMbExtender + IMbTrackerHeight;
    for (std::size_t i = 0; i < bars.Bars.size(); ++i) {
        const TBar& bar = bars.Bars[i];
        const char letter = bars.Pattern[i];
        EXPECT_DOUBLE_EQ(bar.Left, double(i) * IMbPitch);
        EXPECT_DOUBLE_EQ(bar.Width, IMbBarWidth);
        EXPECT_DOUBLE_EQ(bar.Top, letter == 'A' || letter == 'F' ? 0.0 : trackerTop) << i << letter;
        EXPECT_DOUBLE_EQ(bar.Top + bar.Height, letter == 'D' || letter == 'F' ? IMbFullHeight : trackerBottom) << i << letter;
    }
}

} // namespace
