#include "bench/section_case.h"

#include <time.h>

#include <algorithm>
#include <array>

#include "engine/materials.h"
#include "engine/resistance.h"
#include "engine/search/check_solver.h"
#include "engine/search/design_solver.h"

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
    CoefficientMemo memo(in->g, in->Rg, in->Eg);
    if (s.Ag == 0) {
        DesignSolution solution;
        return solveDesign(*in, solution, memo);
    }
    CheckSolution solution;
    return solveCheck(*in, s.Ag, solution, memo);
}

}  // namespace pilaro

namespace pilaro {

SearchResult writtenSearchOf(const SectionCase& s) {
    const std::optional<SolverInput> in = solverInputOf(s);
    if (!in) return SearchResult{SearchEnd::ZeroDivisor, 0.0, 0, false};
    CoefficientMemo memo(in->g, in->Rg, in->Eg);
    if (s.Ag == 0) {
        DesignTrial trial{*in, memo, Reading::Fresh};
        return writtenSearch(trial, kDesignSteps);
    }
    CheckTrial trial{*in, givenSteelRatio(s.Ag, s.D), memo, Reading::Fresh};
    return writtenSearch(trial, kCheckSteps);
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double secondsPerRun(const SectionCase& s, double leastSeconds) {
    const CalcInput input = calcInputOf(s);
    std::array<double, 3> rounds{};
    for (double& round : rounds) {
        long runs = 0;
        const double start = threadCpuSeconds();
        double spent = 0;
        do {
            CalcResult result;
            static_cast<void>(runCalculation(input, result));
            ++runs;
            spent = threadCpuSeconds() - start;
        } while (spent < leastSeconds);
        round = spent / static_cast<double>(runs);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[1];
}

}  // namespace pilaro
