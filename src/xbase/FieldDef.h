// One field of a table as the engine sees it: name, xBase type letter, width and decimals,
// and where its bytes sit in the record buffer (offset 0 is the delete flag).
#pragma once

#include <cstdint>
#include <string>

namespace xbase {

struct FieldDef {
    std::string name;      // upper case, at most 10 characters
    char type = 'C';       // C N F L D M, and the wider dialects' I B Y T V Q G P 0
    uint16_t width = 0;    // bytes in the record
    uint8_t decimals = 0;
    uint32_t offset = 0;   // position inside the record buffer, the delete flag being byte 0
    uint8_t flags = 0;     // field flags of the wider dialects (nullable, binary, system)
};

} // namespace xbase
