// The least area of steel that passes the check, on a grid of 0.01 cm^2:
// the area the design reports is the very area it checked.
#pragma once

#include <optional>

#include "jtg3362/area_check.h"

namespace pilaro::jtg3362 {

struct DesignAnswer {
    bool enlarge;     // the section needs more than 5 %
    double As;        // cm^2: the least passing area, or where enlarge, the area at 5 %
    AreaCheck check;  // of that area
};

// The least area from ρmin A up to 5 % of A (the code's 不宜超过5%) that
// passes: as much as the least passing area of 0 to 5 % where that is
// larger, else ρmin A. Candidate areas are whole hundredths of a cm^2, the
// ratio is never above 5 %. Nothing when the section is so large that its
// grid leaves whole numbers (A above some 10^9 m^2).
//
// Nmax falls where the ratio passes 3 % (A' = A - As), so the passing
// areas may have a gap above 3 %: the search brackets on a coarse grid
// that holds both sides of 3 %, and bisects inside the first bracket that
// passes.
[[nodiscard]] std::optional<DesignAnswer> designArea(const CheckSetting& setting, double rhoMin);

}  // namespace pilaro::jtg3362
