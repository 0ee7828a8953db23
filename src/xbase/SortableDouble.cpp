#include "SortableDouble.h"

#include <cstdint>
#include <cstring>

namespace xbase {

void SortableDouble::encode(double value, char* out)
{
    if (value == 0)
        value = 0; // folds -0 into +0
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if (bits >> 63)
        bits = ~bits;
    else
        bits |= uint64_t{1} << 63;
    for (int i = 7; i >= 0; --i) {
        out[i] = static_cast<char>(bits & 0xFF);
        bits >>= 8;
    }
}

double SortableDouble::decode(const char* in)
{
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits = (bits << 8) | static_cast<uint8_t>(in[i]);
    if (bits >> 63)
        bits &= ~(uint64_t{1} << 63);
    else
        bits = ~bits;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace xbase
