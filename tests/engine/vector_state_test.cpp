// Every engine call a front end makes leaves the upper vector halves clear,
// however dirty the caller left them: the engine's SSE2 arithmetic runs at
// full speed only then.
#include "engine/vector_state.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/calculation.h"
#include "engine/interaction_curve.h"
#include "engine/number_text.h"
#include "engine/read_outs.h"
#include "engine/resistance.h"
#include "engine/search/check_solver.h"
#include "engine/search/curve_top.h"
#include "form/calc_state.h"
#include "tests/engine/solver_fixture.h"
#include "tests/support/upper_halves.h"

namespace pilaro {
namespace {

using test::dirtyUpperHalves;
using test::upperHalvesInUse;

struct EntryCall {
    const char* name;
    std::function<void()> call;
};

TEST(VectorState, EveryEntryClearsTheUpperHalves) {
#if defined(__AVX__)
    GTEST_SKIP() << "built for AVX: nothing to clear";
#endif
    if (!test::upperHalvesObservable()) GTEST_SKIP() << "the processor does not report them";
    dirtyUpperHalves();
    if (!upperHalvesInUse()) GTEST_SKIP() << "the processor does not report them";

    const test::Section example{1500, 5000, 1.2, 0.05, 10};
    const CalcInput design = test::inputOf(example);
    const CalcInput check = test::inputOf(example, 45.239);
    const SolverInput in = test::solverInputOf(example);
    const EntryCall entries[] = {
        {"runCalculation",
         [&] {
             CalcResult r;
             (void)runCalculation(check, r);
         }},
        {"runCalculation on a state",
         [&] {
             CalcState state;
             (void)runCalculation(state, design);
         }},
        {"deriveSection",
         [&] {
             CalcResult r;
             SolverInput s{};
             (void)deriveSection(design, r, s);
         }},
        {"interactionCurve", [&] { (void)interactionCurve(in, 0.004); }},
        {"loadPoint", [&] { (void)loadPoint(in); }},
        {"smallestEccentricityDepth", [&] { (void)smallestEccentricityDepth(in, 0.004); }},
        {"givenSteelRatio", [] { (void)givenSteelRatio(45.239, 1.2); }},
        {"readOuts", [] { (void)readOuts(CalcResult{}, true); }},
        {"numberToText", [] { (void)numberToText(207.021); }},
        {"fixedDecimalsText", [] { (void)fixedDecimalsText(0.5, 1); }},
        {"floorToDecimals", [] { (void)floorToDecimals(0.52639, 4); }},
    };
    for (const EntryCall& entry : entries) {
        dirtyUpperHalves();
        entry.call();
        EXPECT_FALSE(upperHalvesInUse()) << entry.name;
    }
}

}  // namespace
}  // namespace pilaro
