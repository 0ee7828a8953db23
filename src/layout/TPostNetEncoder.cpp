#include "TPostNetEncoder.h"

#include "TBarcodeConstants.h"

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsLetterOrDigit(char ch) { return IsDigit(ch) || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }
char Upper(char ch) { return (ch >= 'a' && ch <= 'z') ? char(ch - 'a' + 'A') : ch; }

// APO and FPO only as words of their own: "1 APOLLO DR" is a street, not an army post office.
bool IsMilitaryAddress(std::string_view street)
{
    std::size_t start = 0;
    while (start < street.size()) {
        while (start < street.size() && !IsLetterOrDigit(street[start]))
            ++start;
        std::size_t end = start;
        while (end < street.size() && IsLetterOrDigit(street[end]))
            ++end;
        if (end - start == 3 && (Upper(street[start]) == 'A' || Upper(street[start]) == 'F')
            && Upper(street[start + 1]) == 'P' && Upper(street[start + 2]) == 'O')
            return true;
        start = end;
    }
    return false;
}

bool IsOrdinalSuffix(char first, char second)
{
    return (first == 'S' && second == 'T') || (first == 'N' && second == 'D') || (first == 'R' && second == 'D')
        || (first == 'T' && second == 'H');
}

} // namespace

std::string TPostNetEncoder::DeliveryPoint(std::string_view street)
{
    if (IsMilitaryAddress(street))
        return "99";

    // Read in upper case from the right: the first number met that is neither a fraction's nor
    // an ordinal's gives its last two digits; a letter right before a single digit ("B2") pads it.
    std::string result = "  ";
    bool fraction = false, ordinal = false, first = false, second = false;
    for (std::size_t i = street.size(); i-- > 0;) {
        const char ch = Upper(street[i]);
        const char next = i + 1 < street.size() ? Upper(street[i + 1]) : '\0';
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
        } else if (IsOrdinalSuffix(ch, next)) {
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

    // The pattern first (frame bars at both ends), then the bars from it; every bar ends on the
    // base line. Plain indexed loops: a million labels encode in a fraction of a second.
    const std::size_t count = list.Digits.size() * 5 + 2;
    list.Pattern.assign(count, '|');
    std::size_t position = 1;
    for (char digit : list.Digits)
        for (const char* bar = PostNetDigitBars[digit - '0']; *bar; ++bar)
            list.Pattern[position++] = *bar == '1' ? '|' : '.';

    constexpr double tops[2] = {PostNetFullHeight - PostNetHalfHeight, 0.0};
    constexpr double heights[2] = {PostNetHalfHeight, PostNetFullHeight};
    list.Bars.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int full = list.Pattern[i] == '|';
        list.Bars[i] = {double(i) * PostNetPitch, tops[full], PostNetBarWidth, heights[full]};
    }
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
