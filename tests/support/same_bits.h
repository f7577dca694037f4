// Bit-for-bit equality of the calculation's values.
#pragma once

#include <bit>
#include <cstdint>

#include "engine/calculation.h"

namespace pilaro::test {

// Same presence and the same bits (so NaN equals itself and -0 differs
// from 0).
inline bool sameBits(const MaybeValue& a, const MaybeValue& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

}  // namespace pilaro::test
