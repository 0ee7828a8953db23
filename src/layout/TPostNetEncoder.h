// POSTNET: the routing digits of an address (ZIP, ZIP+4, delivery point), the check digit and
// the bars, frame bar first and last, five bars of two heights per digit. Plain C++ so the
// layout objects, the command line and the Intelligent Mail barcode (which takes its routing
// digits by the same rules) share one set of rules.
//
// A barcode comes only from a ZIP text of at least five characters between "00000" and
// "99999-9999" that holds exactly 5 or 9 digits: anything else would print a code the sorting
// machines misread. Delivery-point digits follow only a 9-digit ZIP.
#pragma once

#include "TBarList.h"
#include "TRoutingDigits.h"

#include <string>
#include <string_view>

class TPostNetEncoder {
public:
    // The routing digits of a ZIP text and street line for `type` (5, 9 or 11 digits; fewer when
    // the ZIP has only five). Empty, with the reason in `reason`, when the ZIP gives no barcode.
    static std::string RoutingDigits(std::string_view zip, std::string_view street, TRoutingDigits type,
                                     std::string* reason = nullptr);
    // The two delivery-point digits of a street line: the last two digits of its right-most
    // number that is not part of a fraction or an ordinal, "0" before a single digit, "99" when
    // there is no such number or the line is a military address (the whole word APO or FPO).
    static std::string DeliveryPoint(std::string_view street);
    // The digit that brings the sum of `digits` to a multiple of ten.
    static char CheckDigit(std::string_view digits);

    static TBarList Encode(std::string_view zip, std::string_view street, TRoutingDigits type);
    // Bars for routing digits already chosen; the check digit is added here. Digits holds them
    // with the check digit last, Pattern has '|' for a full bar and '.' for a half bar.
    static TBarList EncodeDigits(std::string_view digits);
};
