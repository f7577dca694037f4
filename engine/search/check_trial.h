// One trial of the strength check's search: the eccentricity of the
// resistance of the section with its given steel, at a trial depth, against
// the amplified eccentricity of the loads.
#pragma once

#include "engine/search/coefficient_memo.h"
#include "engine/search/search_outcome.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

// Up by 0.02 while the resistance's eccentricity is too large, down by
// 0.0156: the design's steps reversed.
inline constexpr SearchSteps kCheckSteps{0.02, 0.0156};

// Keeps the values of the last trial, so that after a landing they are the
// landed ones.
struct CheckTrial {
    const SolverInput& in;
    double rhoGiven;
    CoefficientMemo& memo;
    Reading reading;
    StressBlockMemory memory{};
    SectionCoefficients c{};
    double eq = 0.0;          // m, eccentricity of the resistance
    bool compressed = false;  // the resistance is a compression

    [[nodiscard]] TrialOutcome operator()(double xi);

    // Whether every depth from xa to xb (0 < xa < xb, shallow depths only)
    // has a ratio below 1 or no usable one, as a trial there would find:
    // the whole stretch is in tension. Leaves the trial as it was.
    [[nodiscard]] bool belowOneThroughout(double xa, double xb);

  private:
    // Whether, at a depth above the section, the ratio lies above the band
    // and only grows at every later step down.
    [[nodiscard]] bool ratioOnlyGrowsBelow(const SectionCoefficients& at, double denominator,
                                           double ratio) const;
};

}  // namespace pilaro
