// The Intelligent Mail barcode: a 20-digit tracking code (barcode identifier, service type,
// Mailer ID, serial number) and 0, 5, 9 or 11 routing digits turned into 65 bars of four kinds:
// A (ascender), D (descender), F (full) and T (tracker only). The steps are those the postal
// service publishes: the digits as one 102-bit number, an 11-bit CRC over it, ten codewords by
// division, the 5-of-13 and 2-of-13 character tables, characters inverted by the CRC bits, and a
// fixed map of character bits onto bars. Plain C++; the tables are built once.
#pragma once

#include "TBarList.h"
#include "TRoutingDigits.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class TIMbEncoder {
public:
    // 102 bits of data need a wide integer; GCC and Clang have one built in.
    __extension__ typedef unsigned __int128 TUInt128;

    // Empty when good, else the reason (used as the text of an error).
    static std::string CheckTracking(std::string_view tracking);
    static std::string CheckRouting(std::string_view routing);
    // How many serial digits go with a Mailer ID: 9 after a 6-digit one, 6 after a 9-digit one;
    // 0 when the Mailer ID itself is not valid.
    static int SerialDigits(std::string_view mailerId);
    // The tracking code from its four parts; empty, with the reason, when a part is not valid.
    static std::string TrackingCode(std::string_view barcodeId, std::string_view serviceTypeId,
                                    std::string_view mailerId, long long serial, std::string* reason = nullptr);

    // The 65 letters; empty, with the reason, when tracking code or routing digits are bad.
    static std::string Letters(std::string_view tracking, std::string_view routing, std::string* reason = nullptr);
    // Digits holds the tracking code, and a blank and the routing digits when there are any.
    static TBarList Encode(std::string_view tracking, std::string_view routing);
    // The barcode of one address record: its routing digits come from the ZIP and street line by
    // the POSTNET rules (none for rdNone). A ZIP that gives no routing digits gives no barcode,
    // rather than a barcode that silently loses its routing.
    static TBarList EncodeRecord(std::string_view tracking, std::string_view zip, std::string_view street,
                                 TRoutingDigits routing);

    // The encoding steps on their own, for checking against the published figures. The input
    // must already have passed CheckTracking and CheckRouting.
    static TUInt128 BinaryValue(std::string_view tracking, std::string_view routing);
    static unsigned FrameCheck(TUInt128 value);
    // Codewords A..J with J doubled and A raised by 659 when bit 10 of the frame check is set.
    static std::array<int, 10> Codewords(TUInt128 value, unsigned frameCheck);
    // The 13-bit characters A..J, inverted where the frame check says so.
    static std::array<unsigned, 10> Characters(const std::array<int, 10>& codewords, unsigned frameCheck);
};
