// One trial of the reinforcement design's search: the steel ratio at which
// the resistance at a trial depth acts at the amplified eccentricity of the
// loads, then the axial resistance of that ratio against Nj.
#pragma once

#include "engine/search/coefficient_memo.h"
#include "engine/search/search_outcome.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

// Up by 0.0156 while the resistance is too small, down by 0.02.
inline constexpr SearchSteps kDesignSteps{0.0156, 0.02};

// Keeps the values of the last trial, so that after a landing they are the
// landed ones.
struct DesignTrial {
    const SolverInput& in;
    CoefficientMemo& memo;
    Reading reading;
    StressBlockMemory memory{};
    SectionCoefficients c{};
    double rho = 0.0;
    // The ratio the trials tend to far beyond the section, for the
    // stress-block factor it was found with.
    double farBeta = 0.0;
    double farRatio = 0.0;
    double farScale = 0.0;

    [[nodiscard]] TrialOutcome operator()(double xi);
};

}  // namespace pilaro
