// The strength check solver: the state of a section with a given steel area
// whose resistance acts at the eccentricity of the loads, and its capacities.
#pragma once

#include "engine/calculation.h"
#include "engine/coefficient_memo.h"
#include "engine/search.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

// Up by 0.02 while the resistance's eccentricity is too large, down by
// 0.0156: the design's steps reversed.
inline constexpr SearchSteps kCheckSteps{0.02, 0.0156};

struct CheckSolution {
    double rhoGiven = 0.0;
    double xi = 0.0;
    SectionCoefficients coefficients;
    double Nq = 0.0;  // kN
    double Mq = 0.0;  // kN m
    // The load's eccentricity lies below that of every state of the
    // section: the state of smallest eccentricity (the top of the section's
    // N-M curve) is reported, whose capacity only grows as the eccentricity
    // shrinks.
    bool atSmallestEccentricity = false;
};

// One trial of the check search: the eccentricity of the resistance
// against the amplified eccentricity of the loads. Keeps the values of the
// last trial.
struct CheckTrial {
    const SolverInput& in;
    double rhoGiven;
    StressBlockMemory memory{};
    SectionCoefficients c{};
    double eq = 0.0;          // m, eccentricity of the resistance
    bool compressed = false;  // the resistance is a compression
    CoefficientMemo* memo = nullptr;

    [[nodiscard]] TrialOutcome operator()(double xi);
};

// Fills `solution` when the search lands, and also where the load's
// eccentricity is below every state's (then `atSmallestEccentricity`); the
// result's end is Landed in both cases.
[[nodiscard]] SearchResult solveCheck(const SolverInput& in, double Ag, CheckSolution& solution);

// Which trials of a check read through a memo of the section's
// coefficients: the scans after the written search always do (they read
// the grid's depths, many of them more than once); the written search's
// own trials only where checks of several ratios share the memo, since
// their upward runs from 0.55 visit the same depths.
enum class WrittenSearchMemo { No, Yes };

// The same for a steel ratio rather than an area.
[[nodiscard]] SearchResult solveCheckAtRatio(const SolverInput& in, double rhoGiven,
                                             CheckSolution& solution);

// The same with a memo of the section that other checks of it share.
[[nodiscard]] SearchResult solveCheckAtRatio(const SolverInput& in, double rhoGiven,
                                             CheckSolution& solution, CoefficientMemo& memo,
                                             WrittenSearchMemo written);

// On the reported (rounded) axial capacity; equality passes.
[[nodiscard]] Verdict checkVerdict(double reportedNq, double Nj);

}  // namespace pilaro
