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

// A case no engineer means but a typo or a generated table can hand the
// engine: diameters from 0.01 mm to 100 m, any cover inside the section,
// lengths, loads and eccentricities over many orders of size, no moment in
// a third of the cases, and in half of them a given area from a hundredth
// of a per cent of the section to all of it.
SectionCase absurdSection(std::mt19937_64& random);

}  // namespace pilaro
