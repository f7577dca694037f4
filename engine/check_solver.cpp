#include "engine/check_solver.h"

#include <cmath>
#include <optional>

#include "engine/curve_top.h"
#include "engine/resistance.h"

namespace pilaro {

TrialOutcome CheckTrial::operator()(double xi) {
    TrialOutcome t;
    c = coefficientsAt(xi, in.g, in.Rg, in.Eg, memory, memo);
    if (c.zeroDivisor) {
        t.zeroDivisor = true;
        return t;
    }
    const double numerator = c.coefB * in.Ra + c.coefD * rhoGiven * in.g * in.Rg;
    const double denominator = c.coefA * in.Ra + c.coefC * rhoGiven * in.Rg;
    if (denominator == 0) {
        t.zeroDivisor = true;
        return t;
    }
    eq = numerator / denominator * in.r;
    t.divisor = numerator;  // the ratio is the load's eccentricity over eq
    compressed = denominator > 0;
    if (eq == 0) {
        t.zeroDivisor = true;
        return t;
    }
    // The resistance must act at the amplified eccentricity of the
    // loads, exactly as in the design; a check at e0 / eta would look at
    // a smaller eccentricity than the loads have and overstate Nq.
    t.ratio = (in.e0 * in.eta) / eq;
    t.finite = std::isfinite(eq) && std::isfinite(t.ratio);
    // Past full compression (with the factor held above xi = 1.5) eq only
    // grows with xi, so a ratio below the band only falls as the search
    // steps up. The margin covers the last bits of the computed ratio.
    t.noLandingAhead =
        xi > kStressBlockLimit && c.pastFullCompression && t.ratio < 1 - kAcceptanceBand - 1e-9;
    return t;
}

SearchResult solveCheckAtRatio(const SolverInput& in, double rhoGiven, CheckSolution& solution) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    return solveCheckAtRatio(in, rhoGiven, solution, memo, WrittenSearchMemo::No);
}

SearchResult solveCheckAtRatio(const SolverInput& in, double rhoGiven, CheckSolution& solution,
                               CoefficientMemo& memo, WrittenSearchMemo written) {
    CheckTrial trial{in, rhoGiven};
    if (written == WrittenSearchMemo::Yes) trial.memo = &memo;
    const double target = in.e0 * in.eta;
    SearchResult result;
    // Without a moment every trial's ratio is exactly 0: the search could
    // never land nor find a bracket, so it goes straight to the smallest
    // eccentricity, as it would after running away.
    if (target != 0) result = writtenSearch(trial, kCheckSteps);
    trial.memo = &memo;
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

SearchResult solveCheck(const SolverInput& in, double Ag, CheckSolution& solution) {
    return solveCheckAtRatio(in, givenSteelRatio(Ag, in.D), solution);
}

Verdict checkVerdict(double reportedNq, double Nj) {
    return reportedNq >= Nj ? Verdict::Passes : Verdict::Fails;
}

}  // namespace pilaro
