#include "bench/section_case.h"

#include <cmath>

#include "engine/check_solver.h"
#include "engine/design_solver.h"
#include "engine/materials.h"
#include "engine/section.h"

namespace pilaro {

CalcInput calcInputOf(const SectionCase& s) {
    const ConcreteGrade& concrete = concreteGrades()[s.concrete];
    const SteelGrade& steel = steelGrades()[s.steel];
    CalcInput in;
    in.type = s.Ag == 0 ? CalcType::Design : CalcType::Check;
    in.Mj = s.Mj;
    in.Nj = s.Nj;
    in.D = s.D;
    in.a = s.a;
    in.l0 = s.l0;
    in.Ag = s.Ag;
    in.Ra = concrete.Ra;
    in.Eh = concrete.Eh;
    in.Rg = steel.Rg;
    in.Eg = steel.Eg;
    return in;
}

// The derived quantities of the run, in the run's own order of operations;
// searchOf's trial counts are only meaningful if eta agrees to the last bit,
// which the benchmarks confirm against runCalculation.
std::optional<SolverInput> solverInputOf(const SectionCase& s) {
    const ConcreteGrade& concrete = concreteGrades()[s.concrete];
    const SteelGrade& steel = steelGrades()[s.steel];
    if (s.D == 0 || s.Nj == 0) return std::nullopt;
    const double g = (s.D - s.a * 2) / s.D;
    const double r = s.D / 2;
    double I = (kPi * std::pow(s.D, 4)) / 64;
    const double e0 = s.Mj / s.Nj;
    double eta = 1;
    if (s.l0 / s.D > 7) {
        const double relativeEccentricity = e0 / s.D;
        double alpha = 0.22;
        if (relativeEccentricity < 1) alpha = 0.1 / (relativeEccentricity + 0.3) + 0.143;
        const double rhoGiven = 4 * s.Ag / kPi / s.D / s.D / 10000;
        if (rhoGiven > 3) I = 1.2 * I;
        const double T = s.Nj * 1.25 * s.l0 * s.l0 / 10 / alpha / concrete.Eh / I / 0.95;
        eta = 1 / (1 - T);
    }
    if (!(eta >= 0 && eta <= 3) || g == 0) return std::nullopt;
    return SolverInput{s.Nj, s.D, concrete.Ra, steel.Rg, steel.Eg, g, r, e0, eta};
}

SearchResult searchOf(const SectionCase& s) {
    const std::optional<SolverInput> in = solverInputOf(s);
    if (!in) return SearchResult{SearchEnd::ZeroDivisor, 0.0, 0, false};
    if (s.Ag == 0) {
        DesignSolution solution;
        return solveDesign(*in, solution);
    }
    CheckSolution solution;
    return solveCheck(*in, s.Ag, solution);
}

}  // namespace pilaro
