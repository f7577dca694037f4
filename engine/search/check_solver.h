// The strength check solver: the state of a section with a given steel area
// whose resistance acts at the eccentricity of the loads, and its capacities.
#pragma once

#include "engine/calc_records.h"
#include "engine/search/check_trial.h"
#include "engine/search/coefficient_memo.h"
#include "engine/search/search_outcome.h"
#include "engine/section.h"
#include "engine/solver_input.h"

namespace pilaro {

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

// Fills `solution` when the search lands, and also where the load's
// eccentricity is below every state's (then `atSmallestEccentricity`); the
// result's end is Landed in both cases. `memo` is the section's (g, Rg and
// Eg of `in`); the written search's own trials are evaluated afresh.
[[nodiscard]] SearchResult solveCheck(const SolverInput& in, double Ag, CheckSolution& solution,
                                      CoefficientMemo& memo);

// The same for a steel ratio rather than an area. `written` says how the
// written search's own trials read the coefficients: through the memo
// where checks of several ratios share it, since their upward runs from
// 0.55 visit the same depths. The scans after it always read through it.
[[nodiscard]] SearchResult solveCheckAtRatio(const SolverInput& in, double rhoGiven,
                                             CheckSolution& solution, CoefficientMemo& memo,
                                             Reading written);

// On the reported (rounded) axial capacity; equality passes.
[[nodiscard]] Verdict checkVerdict(double reportedNq, double Nj);

}  // namespace pilaro
