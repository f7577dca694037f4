#include "engine/design_solver.h"

#include <cmath>

namespace pilaro {
namespace {

// One trial of the design search; keeps the values of the last trial.
struct DesignTrial {
    const SolverInput& in;
    StressBlockMemory memory;
    SectionCoefficients c;
    double rho = 0.0;

    TrialOutcome operator()(double xi) {
        TrialOutcome t;
        c = sectionCoefficients(xi, in.g, in.Rg, in.Eg, memory);
        if (c.zeroDivisor) {
            t.zeroDivisor = true;
            return t;
        }
        // The ratio at which the resistance acts at eta * e0.
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

    double retainedBeta() const { return memory.beta; }
};

}  // namespace

SearchResult solveDesign(const SolverInput& in, DesignSolution& solution) {
    DesignTrial trial{in, {}, {}, 0.0};
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
