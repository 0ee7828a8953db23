#include "TPostNetEncoder.h"

#include "TBarcodeConstants.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsLetterOrDigit(char ch) { return IsDigit(ch) || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
char Upper(char ch) { return (ch >= 'a' && ch <= 'z') ? char(ch - 'a' + 'A') : ch; }

// APO and FPO only as words of their own: "1 APOLLO DR" is a street, not an army post office.
bool IsMilitaryAddress(const std::string& upper)
{
    std::size_t start = 0;
    while (start < upper.size()) {
        while (start < upper.size() && !IsLetterOrDigit(upper[start]))
            ++start;
        std::size_t end = start;
        while (end < upper.size() && IsLetterOrDigit(upper[end]))
            ++end;
        const std::string_view word = std::string_view(upper).substr(start, end - start);
        if (word == "APO" || word == "FPO")
            return true;
        start = end;
    }
    return false;
}

bool IsOrdinalSuffix(std::string_view pair) { return pair == "ST" || pair == "ND" || pair == "RD" || pair == "TH"; }

} // namespace

std::string TPostNetEncoder::DeliveryPoint(std::string_view street)
{
    std::string upper(street);
    for (char& ch : upper)
        ch = Upper(ch);
    if (IsMilitaryAddress(upper))
        return "99";

    // Scanned from the right: the first number met that is neither a fraction's nor an
    // ordinal's gives its last two digits; a letter right before a single digit ("B2") pads it.
    std::string result = "  ";
    bool fraction = false, ordinal = false, first = false, second = false;
    for (std::size_t i = upper.size(); i-- > 0;) {
        const char ch = upper[i];
        const std::string_view pair = std::string_view(upper).substr(i, 2);
        if (IsDigit(ch)) {
            if (fraction || ordinal || (first && second))
                continue;
            if (first) {
                result[0] = ch;
                second = true;
            } else {
                result[1] = ch;
                first = true;
            }
        } else if (ch == ' ') {
            if (first || second)
                break;
            fraction = ordinal = false;
        } else if (ch == '/' && (first || second)) {
            fraction = true;
            first = second = false;
            result = "  ";
        } else if (first && !second) {
            result[0] = '0';
            second = true;
        } else if (IsOrdinalSuffix(pair)) {
            ordinal = true;
        }
    }
    if (result == "  ")
        return "99";
    if (result[0] == ' ')
        result[0] = '0';
    return result;
}

char TPostNetEncoder::CheckDigit(std::string_view digits)
{
    int sum = 0;
    for (char ch : digits)
        sum += ch - '0';
    return char('0' + (10 - sum % 10) % 10);
}

std::string TPostNetEncoder::RoutingDigits(std::string_view zip, std::string_view street, TRoutingDigits type,
                                           std::string* reason)
{
    auto fail = [reason](const char* why) {
        if (reason)
            *reason = why;
        return std::string();
    };
    if (type == TRoutingDigits::rdNone)
        return fail("no routing digits asked for");
    if (zip.size() < 5)
        return fail("ZIP code shorter than 5 characters");
    if (zip < std::string_view("00000") || zip > std::string_view("99999-9999"))
        return fail("ZIP code outside 00000 to 99999-9999");

    std::string digits;
    for (char ch : zip)
        if (IsDigit(ch))
            digits += ch;
    if (digits.size() != 5 && digits.size() != 9)
        return fail("ZIP code does not hold 5 or 9 digits");

    if (type == TRoutingDigits::rd5Digit)
        digits.resize(5);
    else if (type == TRoutingDigits::rd11Digit && digits.size() == 9)
        digits += DeliveryPoint(street);
    return digits;
}

TBarList TPostNetEncoder::EncodeDigits(std::string_view digits)
{
    using namespace TBarcodeConstants;
    for (char ch : digits)
        if (!IsDigit(ch))
            return TBarList::None("routing code holds a character that is not a digit");
    TBarList list;
    list.Digits.reserve(digits.size() + 1);
    list.Digits.assign(digits);
    list.Digits += CheckDigit(digits);

    const std::size_t bars = list.Digits.size() * 5 + 2;
    list.Pattern.reserve(bars);
    list.Bars.reserve(bars);
    auto addBar = [&](bool full) {
        const double height = full ? PostNetFullHeight : PostNetHalfHeight;
        list.Bars.push_back({double(list.Bars.size()) * PostNetPitch, PostNetFullHeight - height, PostNetBarWidth, height});
        list.Pattern += full ? '|' : '.';
    };
    addBar(true);
    for (char digit : list.Digits)
        for (const char* bar = PostNetDigitBars[digit - '0']; *bar; ++bar)
            addBar(*bar == '1');
    addBar(true);
    return list;
}

TBarList TPostNetEncoder::Encode(std::string_view zip, std::string_view street, TRoutingDigits type)
{
    std::string reason;
    const std::string digits = RoutingDigits(zip, street, type, &reason);
    if (digits.empty())
        return TBarList::None(reason);
    return EncodeDigits(digits);
}
