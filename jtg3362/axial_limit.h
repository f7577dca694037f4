// The limit of the axial force of a circular member whatever its moment:
// Nmax = 0.9 φ (fcd A' + f'sd As).
#pragma once

namespace pilaro::jtg3362 {

// fcd and f'sd in kPa, A and As in m^2; kN. A' = A - As where the ratio
// As / A is above 3 %, else A.
[[nodiscard]] double axialLimit(double fcd, double fsdCompression, double A, double As, double phi);

}  // namespace pilaro::jtg3362
