// The Facing Identification Mark: nine bar positions on the odd slots of a 17-slot grid of
// 1/32 inch, full height, for types A, B and C. Plain C++, shared by the FIM object and the
// command line.
#pragma once

#include "TBarList.h"

#include <optional>
#include <string_view>

enum class TFimKind { fkA, fkB, fkC };

class TFimEncoder {
public:
    // "A", "b", "C" ...: the kind named by one letter in any case.
    static std::optional<TFimKind> Parse(std::string_view letter);
    // The bar slots (1..17) of a kind, left to right.
    static std::vector<int> Slots(TFimKind kind);
    // Pattern has nine positions: '|' a bar, ' ' none. Digits stays empty.
    static TBarList Encode(TFimKind kind);
};
