#include "engine/search/check_solver.h"

#include <optional>

#include "engine/resistance.h"
#include "engine/search/curve_top.h"
#include "engine/search/range_scan.h"
#include "engine/search/written_search.h"

namespace pilaro {

SearchResult solveCheckAtRatio(const SolverInput& in, double rhoGiven, CheckSolution& solution,
                               CoefficientMemo& memo, Reading written) {
    CheckTrial trial{in, rhoGiven, memo, written};
    const double target = in.e0 * in.eta;
    SearchResult result;
    // Without a moment every trial's ratio is exactly 0: the search could
    // never land nor find a bracket, so it goes straight to the smallest
    // eccentricity, as it would after running away.
    if (target != 0) result = writtenSearch(trial, kCheckSteps);
    trial.reading = Reading::ThroughMemo;
    // The scan's coarse points are the top's too.
    CoarseEccentricities coarse;
    const auto noteCoarse = [&](long j, const TrialOutcome& t) { coarse.note(j, trial, t); };
    if (target != 0 && result.end == SearchEnd::NotConverging)
        result = scanSectionRange(trial, result, noteCoarse);
    // A landing outside 0 < xi <= 1.5 is no state of the section: beyond
    // 1.5 the stress-block factor is one held over from an earlier trial
    // and the block covers more than the whole circle, and its capacity
    // can lie above the top of the curve. The state at the load's
    // eccentricity is then looked for on the section's own range.
    if (result.end == SearchEnd::Landed && !onSectionRange(result.xi))
        result = scanSectionRange(trial, result, noteCoarse);
    bool smallest = false;
    if (target == 0 || result.end == SearchEnd::NotConverging) {
        // No state reaches the load's eccentricity: the state of smallest
        // eccentricity, unless some state between grid points comes down to
        // it after all (the top would then overstate the capacity). The
        // trial is then left at the top, whose values are reported.
        const std::optional<CurveTop> top = smallestEccentricity(trial, result, coarse);
        result.end = SearchEnd::NotConverging;
        if (top && top->eq > target) {
            static_cast<void>(eccentricityAt(trial, top->xi));
            smallest = true;
            result.end = SearchEnd::Landed;
            result.xi = top->xi;
        }
    }
    if (result.end != SearchEnd::Landed) return result;

    solution.rhoGiven = rhoGiven;
    solution.xi = result.xi;
    solution.coefficients = trial.c;
    solution.Nq = axialResistance(trial.c, rhoGiven, in);
    solution.Mq = momentResistance(trial.c, rhoGiven, in);
    solution.atSmallestEccentricity = smallest;
    return result;
}

SearchResult solveCheck(const SolverInput& in, double Ag, CheckSolution& solution,
                        CoefficientMemo& memo) {
    return solveCheckAtRatio(in, givenSteelRatio(Ag, in.D), solution, memo, Reading::Fresh);
}

Verdict checkVerdict(double reportedNq, double Nj) {
    return reportedNq >= Nj ? Verdict::Passes : Verdict::Fails;
}

}  // namespace pilaro
