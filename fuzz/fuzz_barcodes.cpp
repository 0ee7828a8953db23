// Feeds arbitrary text to the postal barcode encoders as a record's ZIP, street line and
// tracking code would arrive (from an imported table or a script's input lines) and checks what
// comes back: a barcode of the right shape, or none with a reason. Lines of the input: ZIP,
// street, tracking code, routing digits.
#include "layout/TIMbEncoder.h"
#include "layout/TPostNetEncoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::string_view NextLine(std::string_view& text)
{
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string_view zip = NextLine(text), street = NextLine(text);
    const std::string_view tracking = NextLine(text), routing = NextLine(text);

    Require(TPostNetEncoder::DeliveryPoint(street).size() == 2);
    for (TRoutingDigits type : {TRoutingDigits::rd5Digit, TRoutingDigits::rd9Digit, TRoutingDigits::rd11Digit}) {
        const TBarList bars = TPostNetEncoder::Encode(zip, street, type);
        if (bars.Empty()) {
            Require(!bars.Reason.empty());
            continue;
        }
        const std::size_t digits = bars.Digits.size();
        Require(digits == 6 || digits == 10 || digits == 12);
        Require(bars.Bars.size() == digits * 5 + 2 && bars.Pattern.size() == bars.Bars.size());
    }
    for (const TBarList& bars : {TIMbEncoder::Encode(tracking, routing),
                                 TIMbEncoder::EncodeRecord(tracking, zip, street, TRoutingDigits::rd11Digit)}) {
        if (bars.Empty()) {
            Require(!bars.Reason.empty());
            continue;
        }
        Require(bars.Bars.size() == 65 && bars.Pattern.find_first_not_of("ADFT") == std::string::npos);
    }
    return 0;
}
