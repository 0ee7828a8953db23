// Windows paper codes, as layouts and envelope setups store them, mapped to Qt page sizes:
// 1 Letter, 9 A4, 11 A5 and the envelopes 19 to 38. Code 0 is a custom size.
#pragma once

#include <QPageSize>
#include <optional>

class TPaperCodes {
public:
    static constexpr int pcCustom = 0;
    static constexpr int pcLetter = 1;
    static constexpr int pcA4 = 9;
    static constexpr int pcA5 = 11;

    // The Qt size of a known code; nothing for 0 or a code the system does not use.
    static std::optional<QPageSize::PageSizeId> PageSizeId(int paperCode);
    // The code of a Qt size, 0 when it has none.
    static int PaperCode(QPageSize::PageSizeId id);
};
