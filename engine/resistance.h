// The resistance of a section of given coefficients and steel ratio, and
// the steel areas of a ratio: the formulas both solvers share.
#pragma once

#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

inline constexpr double kMinimumRatio = 0.004;

// The ratio of a given area (cm^2) to the section of diameter D (m).
[[nodiscard]] double givenSteelRatio(double Ag, double D);

// The area of a ratio (m^2) and the minimum area, as the design reports
// them.
[[nodiscard]] double areaOfRatio(double rho, double D);
[[nodiscard]] double minimumArea(double D);

// Axial resistance (kN): concrete and steel ring, with the section's
// factor 0.95 / 1.25.
[[nodiscard]] double axialResistance(const SectionCoefficients& c, double rho,
                                     const SolverInput& in);

// Moment resistance (kN m) about the centre, divided by eta.
[[nodiscard]] double momentResistance(const SectionCoefficients& c, double rho,
                                      const SolverInput& in);

}  // namespace pilaro
