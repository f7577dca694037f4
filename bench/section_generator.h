// Seeded random sections of the kind the calculator is used for: circular
// piers, columns and pile shafts with the loads of ordinary bridge and
// building practice, in the figures a user would type.
#pragma once

#include <random>

#include "bench/section_case.h"

namespace pilaro {

// A design case (Ag = 0) or, with `check`, a case with a given steel area.
SectionCase randomSection(std::mt19937_64& random, bool check);

// A near-axial case: no moment, or an eccentricity of at most 0.02 D, under
// 0.2 to `highestLoad` times the section's axial capacity at a random steel
// ratio (the ratio a check is given).
SectionCase nearAxialSection(std::mt19937_64& random, bool check, double highestLoad = 1.6);

}  // namespace pilaro
