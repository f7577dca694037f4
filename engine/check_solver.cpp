#include "engine/check_solver.h"

#include <cmath>

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
    const double eq = numerator / denominator * in.r;
    if (eq == 0) {
        t.zeroDivisor = true;
        return t;
    }
    // The resistance must act at the amplified eccentricity of the
    // loads, exactly as in the design; a check at e0 / eta would look at
    // a smaller eccentricity than the loads have and overstate Nq.
    t.ratio = (in.e0 * in.eta) / eq;
    t.finite = std::isfinite(eq) && std::isfinite(t.ratio);
    return t;
}

double givenSteelRatio(double Ag, double D) {
    return 4 * Ag / kPi / D / D / 10000;
}

SearchResult solveCheck(const SolverInput& in, double Ag, CheckSolution& solution) {
    const double rhoGiven = givenSteelRatio(Ag, in.D);
    CheckTrial trial{in, rhoGiven};
    const SearchResult result = searchXi(trial, SearchSteps{0.02, 0.0156});
    if (result.end != SearchEnd::Landed) return result;

    const SectionCoefficients& c = trial.c;
    const double r3 = std::pow(in.r, 3);
    solution.rhoGiven = rhoGiven;
    solution.xi = result.xi;
    solution.coefficients = c;
    solution.Nq = 0.95 * c.coefA * in.r * in.r * in.Ra / 1.25 +
                  0.95 * c.coefC * rhoGiven * in.r * in.r * in.Rg / 1.25;
    solution.Mq = 0.95 * c.coefB * r3 * in.Ra / 1.25 / in.eta +
                  0.95 * c.coefD * rhoGiven * in.g * r3 * in.Rg / 1.25 / in.eta;
    return result;
}

std::string_view checkVerdict(double reportedNq, double Nj) {
    return reportedNq >= Nj ? "通过验算！" : "重新配筋！";
}

}  // namespace pilaro
