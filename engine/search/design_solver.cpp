#include "engine/search/design_solver.h"

#include "engine/resistance.h"
#include "engine/search/cycle_outside_range.h"
#include "engine/search/design_trial.h"
#include "engine/search/range_scan.h"
#include "engine/search/written_search.h"

namespace pilaro {

namespace {

// The written search (told of each trial by `mayStop`) and, where it never
// lands, the scan of the range.
template <typename MayStop>
SearchResult searchDesign(const SolverInput& in, DesignSolution& solution, CoefficientMemo& memo,
                          MayStop& mayStop) {
    DesignTrial trial{in, memo, Reading::Fresh};
    SearchResult result = writtenSearch(trial, kDesignSteps, mayStop);
    if (result.end == SearchEnd::NotConverging) {
        trial.reading = Reading::ThroughMemo;
        result = scanSectionRange(trial, result);
    }
    if (result.end != SearchEnd::Landed) return result;

    solution.xi = result.xi;
    solution.coefficients = trial.c;
    solution.rho = trial.rho;
    solution.requiredArea = areaOfRatio(trial.rho, in.D);
    if (trial.rho < kMinimumRatio) {
        solution.rho = kMinimumRatio;
        solution.requiredArea = minimumArea(in.D);
    }
    return result;
}

}  // namespace

SearchResult solveDesign(const SolverInput& in, DesignSolution& solution, CoefficientMemo& memo) {
    const auto never = [](long, long, double, long) { return false; };
    return searchDesign(in, solution, memo, never);
}

SearchResult solveDesignOnRange(const SolverInput& in, DesignSolution& solution,
                                CoefficientMemo& memo) {
    StopOnCycleOutsideRange stop;
    return searchDesign(in, solution, memo, stop);
}

bool writtenDesignNeverLands(const SolverInput& in, CoefficientMemo& memo) {
    DesignTrial trial{in, memo, Reading::Fresh};
    return writtenSearch(trial, kDesignSteps).end == SearchEnd::NotConverging;
}

}  // namespace pilaro
