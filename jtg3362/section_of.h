// The section the equations take, from an input's grades and geometry.
#pragma once

#include "jtg3362/materials.h"
#include "jtg3362/section_forces.h"

namespace pilaro::jtg3362 {

// D and a in m, As in cm^2; the strengths turned to kPa.
[[nodiscard]] Section sectionOf(const Concrete& concrete, const Steel& steel, double D, double a,
                                double As);

}  // namespace pilaro::jtg3362
