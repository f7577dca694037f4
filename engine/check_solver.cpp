#include "engine/check_solver.h"

#include <cmath>
#include <optional>

#include "engine/resistance.h"
#include "engine/vector_state.h"

namespace pilaro {

TrialOutcome CheckTrial::operator()(double xi) {
    TrialOutcome t;
    c = sectionCoefficients(xi, in.g, in.Rg, in.Eg, memory);
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

namespace {

// The state's eccentricity where it is a usable compression state, else
// infinity.
double eccentricityAt(CheckTrial& trial, double xi) {
    const TrialOutcome t = trial(xi);
    if (t.zeroDivisor || !t.finite || !trial.compressed || trial.eq <= 0) return INFINITY;
    return trial.eq;
}

// The depth of smallest eccentricity between two depths around a grid
// minimum, by golden-section search.
double refineSmallest(CheckTrial& trial, double low, double high, SearchResult& result) {
    constexpr double kGolden = 0.6180339887498949;
    double x1 = high - kGolden * (high - low);
    double x2 = low + kGolden * (high - low);
    double e1 = eccentricityAt(trial, x1);
    double e2 = eccentricityAt(trial, x2);
    result.trials += 2;
    for (int i = 0; i < 80 && x1 < x2; ++i) {
        if (e1 <= e2) {
            high = x2;
            x2 = x1;
            e2 = e1;
            x1 = high - kGolden * (high - low);
            e1 = eccentricityAt(trial, x1);
        } else {
            low = x1;
            x1 = x2;
            e1 = e2;
            x2 = low + kGolden * (high - low);
            e2 = eccentricityAt(trial, x2);
        }
        ++result.trials;
    }
    return e1 <= e2 ? x1 : x2;
}

// The state of smallest eccentricity on 0 < xi <= 1.5, from the grid
// points and then refined between the neighbours of the smallest.
std::optional<double> smallestEccentricity(CheckTrial& trial, SearchResult& result) {
    long best = 0;
    double bestEq = INFINITY;
    for (long k = kLowestGridIndex; k <= kHighestGridIndex; ++k) {
        const double eq = eccentricityAt(trial, gridPoint(k));
        ++result.trials;
        if (eq < bestEq) {
            bestEq = eq;
            best = k;
        }
    }
    if (!std::isfinite(bestEq)) return std::nullopt;
    const auto at = [](long k) {
        return gridPoint(std::clamp(k, kLowestGridIndex, kHighestGridIndex));
    };
    const double xi = refineSmallest(trial, at(best - 1), at(best + 1), result);
    return eccentricityAt(trial, xi) > bestEq ? at(best) : xi;
}

}  // namespace

std::optional<double> smallestEccentricityDepth(const SolverInput& in, double rhoGiven) {
    clearUpperVectorHalves();
    CheckTrial trial{in, rhoGiven};
    SearchResult unused;
    return smallestEccentricity(trial, unused);
}

SearchResult solveCheckAtRatio(const SolverInput& in, double rhoGiven, CheckSolution& solution) {
    CheckTrial trial{in, rhoGiven};
    const double target = in.e0 * in.eta;
    SearchResult result;
    // Without a moment every trial's ratio is exactly 0: the search could
    // never land nor find a bracket, so it goes straight to the smallest
    // eccentricity, as it would after running away.
    if (target != 0) result = searchXi(trial, kCheckSteps);
    // A landing outside 0 < xi <= 1.5 is no state of the section: beyond
    // 1.5 the stress-block factor is one held over from an earlier trial
    // and the block covers more than the whole circle, and its capacity
    // can lie above the top of the curve. The state at the load's
    // eccentricity is then looked for on the section's own range.
    if (result.end == SearchEnd::Landed && !onSectionRange(result.xi))
        result = scanSectionRange(trial, result);
    bool smallest = false;
    if (target == 0 || result.end == SearchEnd::NotConverging) {
        // No state reaches the load's eccentricity: the state of smallest
        // eccentricity, unless some state between grid points comes down to
        // it after all (the top would then overstate the capacity). The
        // comparison leaves the trial at the top, whose values are reported.
        const std::optional<double> top = smallestEccentricity(trial, result);
        result.end = SearchEnd::NotConverging;
        if (top && eccentricityAt(trial, *top) > target) {
            smallest = true;
            result.end = SearchEnd::Landed;
            result.xi = *top;
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
