#include "engine/search/coefficient_memo.h"

namespace pilaro {

SectionCoefficients CoefficientMemo::evaluateAndKeep(double xi, StressBlockMemory& memory,
                                                     const Key& key) {
    const SectionCoefficients c = sectionCoefficients(xi, g_, Rg_, Eg_, memory);
    const bool secondWasLast = (secondUsedLast_[key.first / 64] >> (key.first % 64)) & 1;
    const std::size_t slot =
        !filled(key.first) || (filled(key.second) && secondWasLast) ? key.first : key.second;
    slots_[slot] =
        Slot{key.xiBits,    bitsOf(memory.beta),   c.coefA,      c.coefB, c.coefC, c.coefD,
             c.zeroDivisor, c.pastFullCompression, c.noBarYields};
    filled_[slot / 64] |= std::uint64_t{1} << (slot % 64);
    markUsed(key.first, slot);
    return c;
}

}  // namespace pilaro
