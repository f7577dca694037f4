#include "engine/design_solver.h"

#include <cmath>

namespace pilaro {

TrialOutcome DesignTrial::operator()(double xi) {
    TrialOutcome t;
    c = sectionCoefficients(xi, in.g, in.Rg, in.Eg, memory);
    if (c.zeroDivisor) {
        t.zeroDivisor = true;
        return t;
    }
    const double numerator = in.Ra * (c.coefB * in.r - c.coefA * in.eta * in.e0);
    const double denominator = c.coefC * in.eta * in.e0 - c.coefD * in.g * in.r;
    if (denominator == 0) {
        t.zeroDivisor = true;
        return t;
    }
    rho = numerator / in.Rg / denominator;
    const double Nu = 0.95 * c.coefA * in.r * in.r * in.Ra / 1.25 +
                      0.95 * c.coefC * rho * in.r * in.r * in.Rg / 1.25;
    t.ratio = Nu / in.Nj;
    t.finite = std::isfinite(rho) && std::isfinite(t.ratio);
    return t;
}

SearchResult solveDesign(const SolverInput& in, DesignSolution& solution) {
    DesignTrial trial{in};
    const SearchResult result = searchXi(trial, SearchSteps{0.0156, 0.02});
    if (result.end != SearchEnd::Landed) return result;

    solution.xi = result.xi;
    solution.coefficients = trial.c;
    solution.rho = trial.rho;
    solution.requiredArea = kPi * trial.rho * in.D * in.D / 4;
    if (trial.rho < 0.004) {
        solution.rho = 0.004;
        solution.requiredArea = (0.001 * kPi) * in.D * in.D;
    }
    return result;
}

}  // namespace pilaro
