#include "bench/section_case.h"

#include "engine/check_solver.h"
#include "engine/design_solver.h"
#include "engine/materials.h"

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

std::optional<SolverInput> solverInputOf(const SectionCase& s) {
    CalcResult derived;
    SolverInput in{};
    if (deriveSection(calcInputOf(s), derived, in) != CalcStatus::Done) return std::nullopt;
    return in;
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
