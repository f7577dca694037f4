#include "engine/search/design_solver.h"

#include "engine/resistance.h"
#include "engine/search/design_trial.h"
#include "engine/search/range_scan.h"
#include "engine/search/written_search.h"

namespace pilaro {

SearchResult solveDesign(const SolverInput& in, DesignSolution& solution, CoefficientMemo& memo) {
    DesignTrial trial{in, memo, Reading::Fresh};
    SearchResult result = writtenSearch(trial, kDesignSteps);
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

}  // namespace pilaro
