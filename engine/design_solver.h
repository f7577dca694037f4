// The reinforcement design solver: the ratio and area of longitudinal steel
// that let the section carry the axial force at the amplified eccentricity.
#pragma once

#include "engine/coefficient_memo.h"
#include "engine/search.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

// Up by 0.0156 while the resistance is too small, down by 0.02.
inline constexpr SearchSteps kDesignSteps{0.0156, 0.02};

struct DesignSolution {
    double xi = 0.0;  // as the search reached it, unrounded
    SectionCoefficients coefficients;
    double rho = 0.0;           // after the minimum ratio
    double requiredArea = 0.0;  // m^2
};

// One trial of the design search: the ratio at which the resistance acts
// at eta * e0, then the axial resistance against Nj. Keeps the values of
// the last trial, so that after a landing they are the landed ones.
struct DesignTrial {
    const SolverInput& in;
    StressBlockMemory memory{};
    SectionCoefficients c{};
    double rho = 0.0;
    CoefficientMemo* memo = nullptr;
    // The ratio the trials tend to far beyond the section, for the
    // stress-block factor it was found with.
    double farBeta = 0.0;
    double farRatio = 0.0;
    double farScale = 0.0;

    [[nodiscard]] TrialOutcome operator()(double xi);
};

// Fills `solution` only when the search lands. The written search runs
// without the memo (it seldom comes back to a depth); the refinement that
// follows a search that never lands reads through it.
[[nodiscard]] SearchResult solveDesign(const SolverInput& in, DesignSolution& solution,
                                       CoefficientMemo* memo = nullptr);

}  // namespace pilaro
