#include "engine/search/area_checks.h"

#include <algorithm>

#include "engine/bar_counts.h"
#include "engine/double_bits.h"
#include "engine/resistance.h"

namespace pilaro {

const AreaCheck& AreaChecks::of(double requiredArea, Reading written) {
    const double reportedArea = selectBars(requiredArea).Ag;
    const std::uint64_t key = bitsOf(reportedArea);
    for (std::size_t i = 0; i < std::min(count_, made_.size()); ++i)
        if (made_[i].areaBits == key) return made_[i].result;
    Made& slot = made_[count_++ % made_.size()];
    slot = Made{key, AreaCheck{}};
    slot.result.end = solveCheckAtRatio(in_, givenSteelRatio(reportedArea, in_.D),
                                        slot.result.check, memo_, written)
                          .end;
    return slot.result;
}

}  // namespace pilaro
