// The bits of a double, so that two doubles compare as the very same value
// (and a double can be kept as a key). The browser edition's library has
// no std::bit_cast; a copy of the bytes is the same.
#pragma once

#include <cstdint>
#include <cstring>

namespace pilaro {

[[nodiscard]] inline std::uint64_t bitsOf(double x) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

[[nodiscard]] inline double doubleOfBits(std::uint64_t bits) {
    double x = 0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

}  // namespace pilaro
