// Sections of the worked examples, for the solver tests.
#pragma once

#include <stdexcept>
#include <string>

#include "engine/calculation.h"
#include "engine/search/check_solver.h"
#include "engine/search/coefficient_memo.h"
#include "engine/search/design_solver.h"
#include "engine/solver_input.h"
#include "tests/support/grades.h"

namespace pilaro::test {

struct Section {
    double Mj, Nj, D, a, l0;
    Grade concrete = k25;
    Grade steel = kII;
};

inline CalcInput inputOf(const Section& s, double Ag = 0) {
    CalcInput in;
    in.type = Ag == 0 ? CalcType::Design : CalcType::Check;
    in.Mj = s.Mj;
    in.Nj = s.Nj;
    in.D = s.D;
    in.a = s.a;
    in.l0 = s.l0;
    in.Ag = Ag;
    in.Ra = s.concrete.strength;
    in.Eh = s.concrete.modulus;
    in.Rg = s.steel.strength;
    in.Eg = s.steel.modulus;
    return in;
}

// The solver's view of a section, with the run's derived quantities. A
// section whose run stops before the solver has none: the test fails here
// rather than go on with an all-zero input.
inline SolverInput solverInputOf(const Section& s) {
    CalcResult derived;
    SolverInput in{};
    const CalcStatus status = deriveSection(inputOf(s), derived, in);
    if (status != CalcStatus::Done)
        throw std::logic_error("the section's run stops before its solver (status " +
                               std::to_string(static_cast<int>(status)) + ")");
    return in;
}

// One solver call with a memo of the section's coefficients of its own, as
// each run's road gives it one.
inline SearchResult designWithOwnMemo(const SolverInput& in, DesignSolution& solution) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    return solveDesign(in, solution, memo);
}

inline SearchResult checkWithOwnMemo(const SolverInput& in, double Ag, CheckSolution& solution) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    return solveCheck(in, Ag, solution, memo);
}

inline SearchResult checkRatioWithOwnMemo(const SolverInput& in, double rhoGiven,
                                          CheckSolution& solution) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    return solveCheckAtRatio(in, rhoGiven, solution, memo, Reading::Fresh);
}

}  // namespace pilaro::test
