#include "engine/design_solver.h"

#include <cmath>

#include "engine/resistance.h"

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
    t.ratio = axialResistance(c, rho, in) / in.Nj;
    t.finite = std::isfinite(rho) && std::isfinite(t.ratio);
    return t;
}

SearchResult solveDesign(const SolverInput& in, DesignSolution& solution) {
    DesignTrial trial{in};
    const SearchResult result = searchXi(trial, kDesignSteps);
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
