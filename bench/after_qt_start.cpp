// The engine's speed once Qt has started. Qt's start-up, and any AVX code
// of the program, can leave the upper halves of the vector registers in
// use, which slows the engine's SSE2 arithmetic on many processors until
// they are cleared. Here a QGuiApplication is made first, as in the window
// and pilaro-batch --diagram, and every timed call follows a dirtying of
// the upper halves: a run through the engine's entry (which clears them)
// should cost what it costs on clean registers. The solver alone, which
// does not clear them, shows what a missing clearing costs on this
// processor.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "bench/named_cases.h"
#include "engine/calculation.h"
#include "engine/interaction_curve.h"
#include "engine/resistance.h"
#include "engine/search/check_solver.h"
#include "engine/vector_state.h"
#include "tests/support/upper_halves.h"

namespace pilaro {
namespace {

enum class Registers { Clean, Dirty };

// Asked once: CPUID, which the question takes, can cost microseconds in a
// virtual machine.
const bool kObservable = test::upperHalvesObservable();

void prepare(Registers registers) {
    if (registers == Registers::Clean)
        clearUpperVectorHalves();
    else if (kObservable)
        test::dirtyUpperHalves();
}

const NamedCase& named(std::string_view name) {
    for (const NamedCase& c : namedCases())
        if (c.name == name) return c;
    std::abort();
}

// A whole run, entered through the engine.
void run(benchmark::State& state, std::string_view name, Registers registers) {
    const CalcInput input = calcInputOf(named(name).section);
    CalcResult result;
    for (auto _ : state) {
        prepare(registers);
        CalcStatus status = runCalculation(input, result);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(result);
    }
}

// The check's solver alone, which does not clear.
void checkSolverAlone(benchmark::State& state, Registers registers) {
    const SectionCase& s = named("check_example_Nj5000").section;
    const SolverInput in = *solverInputOf(s);
    const double rho = givenSteelRatio(s.Ag, s.D);
    for (auto _ : state) {
        prepare(registers);
        CheckSolution solution;
        CoefficientMemo memo(in.g, in.Rg, in.Eg);
        benchmark::DoNotOptimize(solveCheckAtRatio(in, rho, solution, memo, Reading::Fresh));
        benchmark::DoNotOptimize(solution);
    }
}

// The example pier's N-M curve with 24D28, as a diagram draws it.
void curve(benchmark::State& state, Registers registers) {
    const SectionCase& s = named("check_example_Nj5000").section;
    const SolverInput in = *solverInputOf(s);
    const double rho = givenSteelRatio(147.792, s.D);
    for (auto _ : state) {
        prepare(registers);
        benchmark::DoNotOptimize(interactionCurve(in, rho));
    }
}

void registerAll() {
    const auto unit = benchmark::kMicrosecond;
    for (const auto& [registers, label] :
         {std::pair{Registers::Clean, "clean"}, std::pair{Registers::Dirty, "dirty"}}) {
        const std::string after = std::string("/") + label;
        for (std::string_view name : {"design_example_Mj3000", "check_example_Nj5000"})
            benchmark::RegisterBenchmark(("runCalculation/" + std::string(name) + after).c_str(),
                                         run, name, registers)
                ->Unit(unit);
        benchmark::RegisterBenchmark(("checkSolverAlone/check_example_Nj5000" + after).c_str(),
                                     checkSolverAlone, registers)
            ->Unit(unit);
        benchmark::RegisterBenchmark(("interactionCurve/example_24D28" + after).c_str(), curve,
                                     registers)
            ->Unit(unit);
    }
}

}  // namespace
}  // namespace pilaro

int main(int argc, char** argv) {
    static int qtArgc = 3;
    static char program[] = "pilaro_after_qt_start";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* qtArgv[] = {program, option, platform, nullptr};
    const QGuiApplication application(qtArgc, qtArgv);
    if (pilaro::test::upperHalvesObservable())
        std::printf("upper vector halves in use after Qt's start-up: %s\n",
                    pilaro::test::upperHalvesInUse() ? "yes" : "no");
    else
        std::printf("this processor does not report the upper vector halves\n");

    benchmark::Initialize(&argc, argv);
    pilaro::registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
