// How many routing digits a postal barcode carries: the 5-digit ZIP, ZIP+4, or ZIP+4 and the
// two delivery-point digits of the street line. The Intelligent Mail barcode may carry none.
// The layout objects map their own stored types onto this one.
#pragma once

enum class TRoutingDigits { rdNone = 0, rd5Digit = 5, rd9Digit = 9, rd11Digit = 11 };
