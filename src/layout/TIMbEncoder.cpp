#include "TIMbEncoder.h"

#include "TBarcodeConstants.h"
#include "TPostNetEncoder.h"

#include <bit>
#include <vector>

namespace {

using TUInt128 = TIMbEncoder::TUInt128;

bool AllDigits(std::string_view text)
{
    for (char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    return true;
}

std::uint64_t DigitValue(std::string_view digits)
{
    std::uint64_t value = 0;
    for (char ch : digits)
        value = value * 10 + std::uint64_t(ch - '0');
    return value;
}

// The n-of-13 table: every 13-bit value with n bits set, a value and its bit-reversal side by
// side from the front, the values that read the same both ways from the back.
std::vector<unsigned> NOf13Table(int bitsSet, std::size_t length)
{
    std::vector<unsigned> table(length);
    std::size_t lower = 0, upper = length - 1;
    for (unsigned count = 0; count < 8192; ++count) {
        if (std::popcount(count) != bitsSet)
            continue;
        unsigned reverse = 0;
        for (int bit = 0; bit < 13; ++bit)
            if (count & (1u << bit))
                reverse |= 1u << (12 - bit);
        if (reverse < count)
            continue;
        if (reverse == count) {
            table[upper--] = count;
        } else {
            table[lower++] = count;
            table[lower++] = reverse;
        }
    }
    return table;
}

// Codewords 0..1286 take the 5-of-13 characters, 1287..1364 the 2-of-13 ones.
const std::vector<unsigned>& CharacterTable()
{
    static const std::vector<unsigned> table = [] {
        std::vector<unsigned> joined = NOf13Table(5, 1287);
        const std::vector<unsigned> twoOf13 = NOf13Table(2, 78);
        joined.insert(joined.end(), twoOf13.begin(), twoOf13.end());
        return joined;
    }();
    return table;
}

// Which character bit raises each bar's descender and ascender (characters A..J).
struct TBarBits {
    char DescenderCharacter;
    int DescenderBit;
    char AscenderCharacter;
    int AscenderBit;
};
constexpr TBarBits BarBits[TBarcodeConstants::IMbBars] = {
    {'H', 2, 'E', 3}, {'B', 10, 'A', 0}, {'J', 12, 'C', 8}, {'F', 5, 'G', 11}, {'I', 9, 'D', 1},
    {'A', 1, 'F', 12}, {'C', 5, 'B', 8}, {'E', 4, 'J', 11}, {'G', 3, 'I', 10}, {'D', 9, 'H', 6},
    {'F', 11, 'B', 4}, {'I', 5, 'C', 12}, {'J', 10, 'A', 2}, {'H', 1, 'G', 7}, {'D', 6, 'E', 9},
    {'A', 3, 'I', 6}, {'G', 4, 'C', 7}, {'B', 1, 'J', 9}, {'H', 10, 'F', 2}, {'E', 0, 'D', 8},
    {'G', 2, 'A', 4}, {'I', 11, 'B', 0}, {'J', 8, 'D', 12}, {'C', 6, 'H', 7}, {'F', 1, 'E', 10},
    {'B', 12, 'G', 9}, {'H', 3, 'I', 0}, {'F', 8, 'J', 7}, {'E', 6, 'C', 10}, {'D', 4, 'A', 5},
    {'I', 4, 'F', 7}, {'H', 11, 'B', 9}, {'G', 0, 'J', 6}, {'A', 6, 'E', 8}, {'C', 1, 'D', 2},
    {'F', 9, 'I', 12}, {'E', 11, 'G', 1}, {'J', 5, 'H', 4}, {'D', 3, 'B', 2}, {'A', 7, 'C', 0},
    {'B', 3, 'E', 1}, {'G', 10, 'D', 5}, {'I', 7, 'J', 4}, {'C', 11, 'F', 6}, {'A', 8, 'H', 12},
    {'E', 2, 'I', 1}, {'F', 10, 'D', 0}, {'J', 3, 'A', 9}, {'G', 5, 'C', 4}, {'H', 8, 'B', 7},
    {'F', 0, 'E', 5}, {'C', 3, 'A', 10}, {'G', 12, 'J', 2}, {'D', 11, 'B', 6}, {'I', 8, 'H', 9},
    {'F', 4, 'A', 11}, {'B', 5, 'C', 2}, {'J', 1, 'E', 12}, {'I', 3, 'G', 6}, {'H', 0, 'D', 7},
    {'E', 7, 'H', 5}, {'A', 12, 'B', 11}, {'C', 9, 'J', 0}, {'G', 8, 'F', 3}, {'D', 10, 'I', 2},
};

// The frame check one byte at a time: the 11-bit register's effect of eight data bits.
const std::array<std::uint16_t, 256>& FrameCheckTable()
{
    static const std::array<std::uint16_t, 256> table = [] {
        std::array<std::uint16_t, 256> entries{};
        for (unsigned byte = 0; byte < 256; ++byte) {
            unsigned check = byte << 3;
            for (int bit = 0; bit < 8; ++bit)
                check = ((check & 0x400) ? (check << 1) ^ 0x0F35 : check << 1) & 0x7FF;
            entries[byte] = std::uint16_t(check);
        }
        return entries;
    }();
    return table;
}

// Divides by a small constant in 32-bit pieces, which the compiler turns into multiplications;
// a plain 128-bit division is a library call each time.
template <std::uint32_t Divisor> std::uint32_t DivideInPlace(TUInt128& value)
{
    std::uint64_t remainder = 0;
    TUInt128 quotient = 0;
    for (int shift = 96; shift >= 0; shift -= 32) {
        const std::uint64_t current = (remainder << 32) | std::uint32_t(value >> shift);
        quotient |= TUInt128(current / Divisor) << shift;
        remainder = current % Divisor;
    }
    value = quotient;
    return std::uint32_t(remainder);
}

unsigned CharacterBit(const std::array<unsigned, 10>& characters, char character, int bit)
{
    return (characters[std::size_t(character - 'A')] >> bit) & 1u;
}

// A bar's kind as descender * 2 + ascender: tracker, ascender, descender, full. Looked up
// rather than branched on, since the kinds follow no pattern a processor could predict.
constexpr char KindLetters[4] = {'T', 'A', 'D', 'F'};

int KindOfLetter(char letter) { return (letter == 'D' || letter == 'F') * 2 + (letter == 'A' || letter == 'F'); }

} // namespace

std::string TIMbEncoder::CheckTracking(std::string_view tracking)
{
    if (tracking.size() != 20 || !AllDigits(tracking))
        return "the tracking code needs 20 digits";
    if (tracking[1] > '4')
        return "the second digit of the tracking code must be 0 to 4";
    return {};
}

std::string TIMbEncoder::CheckRouting(std::string_view routing)
{
    const std::size_t length = routing.size();
    if (!AllDigits(routing) || (length != 0 && length != 5 && length != 9 && length != 11))
        return "the routing code needs 0, 5, 9 or 11 digits";
    return {};
}

int TIMbEncoder::SerialDigits(std::string_view mailerId)
{
    if (!AllDigits(mailerId))
        return 0;
    if (mailerId.size() == 6 && mailerId[0] != '9')
        return 9;
    if (mailerId.size() == 9 && mailerId[0] == '9')
        return 6;
    return 0;
}

std::string TIMbEncoder::TrackingCode(std::string_view barcodeId, std::string_view serviceTypeId,
                                      std::string_view mailerId, long long serial, std::string* reason)
{
    auto fail = [reason](const char* why) {
        if (reason)
            *reason = why;
        return std::string();
    };
    if (barcodeId.size() != 2 || !AllDigits(barcodeId) || barcodeId[1] > '4')
        return fail("the Barcode ID needs 2 digits, the second 0 to 4");
    if (serviceTypeId.size() != 3 || !AllDigits(serviceTypeId))
        return fail("the Service Type ID needs 3 digits");
    const int serialDigits = SerialDigits(mailerId);
    if (serialDigits == 0)
        return fail("the Mailer ID needs 6 digits not starting with 9, or 9 digits starting with 9");
    const long long serialLimit = serialDigits == 9 ? 1000000000LL : 1000000LL;
    if (serial < 0 || serial >= serialLimit)
        return fail(serialDigits == 9 ? "the serial number needs 9 digits at most"
                                      : "the serial number needs 6 digits at most");
    std::string serialText = std::to_string(serial);
    serialText.insert(0, std::size_t(serialDigits) - serialText.size(), '0');
    std::string tracking;
    tracking.reserve(20);
    tracking.append(barcodeId).append(serviceTypeId).append(mailerId).append(serialText);
    return tracking;
}

TIMbEncoder::TUInt128 TIMbEncoder::BinaryValue(std::string_view tracking, std::string_view routing)
{
    // The routing digits, offset so that 5, 9 and 11 digits never give the same number.
    std::uint64_t value = DigitValue(routing);
    switch (routing.size()) {
    case 5: value += 1; break;
    case 9: value += 100001; break;
    case 11: value += 1000100001; break;
    default: value = 0; break;
    }
    // The barcode identifier's second digit is 0..4, hence the factor 5; the eighteen digits
    // after it fit one 64-bit number, so one wide multiplication does the rest.
    value = (value * 10 + std::uint64_t(tracking[0] - '0')) * 5 + std::uint64_t(tracking[1] - '0');
    return TUInt128(value) * 1000000000000000000ULL + DigitValue(tracking.substr(2));
}

unsigned TIMbEncoder::FrameCheck(TUInt128 value)
{
    // CRC-11, generator 0x0F35, preset 0x7FF, over the 102 data bits from the most significant:
    // the six bits above the twelve low bytes one by one, then a byte at a time.
    unsigned check = 0x7FF;
    for (int bit = 101; bit >= 96; --bit) {
        const unsigned data = unsigned(value >> bit) & 1u;
        check = (((check >> 10) ^ data) ? (check << 1) ^ 0x0F35 : check << 1) & 0x7FF;
    }
    const std::array<std::uint16_t, 256>& table = FrameCheckTable();
    for (int shift = 88; shift >= 0; shift -= 8) {
        const unsigned byte = unsigned(value >> shift) & 0xFFu;
        check = (((check << 8) & 0x7FF) ^ table[((check >> 3) ^ byte) & 0xFFu]);
    }
    return check;
}

std::array<int, 10> TIMbEncoder::Codewords(TUInt128 value, unsigned frameCheck)
{
    // Two codewords per division: J and I by 636 x 1365, then pairs by 1365 x 1365. Once the
    // value fits 64 bits the rest is plain arithmetic.
    constexpr std::uint32_t pair = 1365u * 1365u;
    std::array<int, 10> codewords{};
    std::uint32_t remainder = DivideInPlace<636u * 1365u>(value);
    codewords[9] = int(remainder % 636);
    codewords[8] = int(remainder / 636);
    remainder = DivideInPlace<pair>(value);
    codewords[7] = int(remainder % 1365);
    codewords[6] = int(remainder / 1365);
    std::uint64_t narrow = std::uint64_t(value);
    for (std::size_t index = 5; index >= 3; index -= 2) {
        const std::uint64_t twoCodewords = narrow % pair;
        narrow /= pair;
        codewords[index] = int(twoCodewords % 1365);
        codewords[index - 1] = int(twoCodewords / 1365);
    }
    codewords[1] = int(narrow % 1365);
    codewords[0] = int(narrow / 1365);
    codewords[9] *= 2;
    if (frameCheck & 0x400)
        codewords[0] += 659;
    return codewords;
}

std::array<unsigned, 10> TIMbEncoder::Characters(const std::array<int, 10>& codewords, unsigned frameCheck)
{
    const std::vector<unsigned>& table = CharacterTable();
    std::array<unsigned, 10> characters{};
    for (std::size_t i = 0; i < 10; ++i) {
        characters[i] = table[std::size_t(codewords[i])];
        if (frameCheck & (1u << i))
            characters[i] = ~characters[i] & 0x1FFF;
    }
    return characters;
}

std::string TIMbEncoder::Letters(std::string_view tracking, std::string_view routing, std::string* reason)
{
    std::string problem = CheckTracking(tracking);
    if (problem.empty())
        problem = CheckRouting(routing);
    if (!problem.empty()) {
        if (reason)
            *reason = problem;
        return {};
    }
    const TUInt128 value = BinaryValue(tracking, routing);
    const unsigned frameCheck = FrameCheck(value);
    const std::array<unsigned, 10> characters = Characters(Codewords(value, frameCheck), frameCheck);

    std::string letters(TBarcodeConstants::IMbBars, 'T');
    for (std::size_t bar = 0; bar < letters.size(); ++bar) {
        const TBarBits& bits = BarBits[bar];
        const unsigned descender = CharacterBit(characters, bits.DescenderCharacter, bits.DescenderBit);
        const unsigned ascender = CharacterBit(characters, bits.AscenderCharacter, bits.AscenderBit);
        letters[bar] = KindLetters[descender * 2 + ascender];
    }
    return letters;
}

TBarList TIMbEncoder::Encode(std::string_view tracking, std::string_view routing)
{
    using namespace TBarcodeConstants;
    std::string reason;
    TBarList list;
    list.Pattern = Letters(tracking, routing, &reason);
    if (list.Pattern.empty())
        return TBarList::None(reason);
    list.Digits.assign(tracking);
    if (!routing.empty())
        list.Digits.append(" ").append(routing);
    // Top and height of each kind: an ascender reaches up from the tracker, a descender down.
    constexpr double trackerBottom = IMbExtender + IMbTrackerHeight;
    constexpr double tops[4] = {IMbExtender, 0.0, IMbExtender, 0.0};
    constexpr double heights[4] = {IMbTrackerHeight, trackerBottom, IMbFullHeight - IMbExtender, IMbFullHeight};
    list.Bars.resize(list.Pattern.size());
    for (std::size_t bar = 0; bar < list.Pattern.size(); ++bar) {
        const int kind = KindOfLetter(list.Pattern[bar]);
        list.Bars[bar] = {double(bar) * IMbPitch, tops[kind], IMbBarWidth, heights[kind]};
    }
    return list;
}

TBarList TIMbEncoder::EncodeRecord(std::string_view tracking, std::string_view zip, std::string_view street,
                                   TRoutingDigits routing)
{
    if (routing == TRoutingDigits::rdNone)
        return Encode(tracking, {});
    std::string reason;
    const std::string digits = TPostNetEncoder::RoutingDigits(zip, street, routing, &reason);
    if (digits.empty())
        return TBarList::None(reason);
    return Encode(tracking, digits);
}
