// Letter case of Windows-1252 text, the engine's character set. UPPER and LOWER in expressions
// and every case-insensitive comparison go through these tables, so a filter for müller finds
// MÜLLER. Letters without a single Windows-1252 capital (ß) keep their byte.
#pragma once

#include <cstddef>
#include <cstdint>

namespace xbase {

class TextCase {
public:
    static uint8_t upper(uint8_t c) { return tables().upper[c]; }
    static uint8_t lower(uint8_t c) { return tables().lower[c]; }
    // The 256-byte maps themselves, for loops that map many bytes.
    static const uint8_t* upperMap() { return tables().upper; }
    static const uint8_t* lowerMap() { return tables().lower; }
    // In place over `count` bytes.
    static void toUpper(char* text, size_t count);
    static void toLower(char* text, size_t count);

private:
    struct Tables {
        uint8_t upper[256];
        uint8_t lower[256];
        Tables();
    };
    static const Tables& tables();
};

} // namespace xbase
