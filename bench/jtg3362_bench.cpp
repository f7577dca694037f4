// The current code's runs: a check of given steel, a design (a few dozen
// checks on the area's grid), one that ends needing more than 5 %, and the
// N-M curve. Compare them with the archived runs of pilaro_engine_bench.
#include <benchmark/benchmark.h>

#include "jtg3362/interaction_curve.h"
#include "jtg3362/run.h"

namespace {

using namespace pilaro::jtg3362;

Input pier(Task task, double Nd) {
    return {task, "C40", "HRB400", 1.1, Nd, 1850, 1.2, 0.06, 10.0, 147.78, 24};
}

void runEach(benchmark::State& state, const Input& in) {
    for (auto _ : state) {
        const Outcome out = run(in);
        benchmark::DoNotOptimize(out.result.Nud);
    }
}

void BM_Check(benchmark::State& state) {
    runEach(state, pier(Task::Check, 6200));
}

void BM_Design(benchmark::State& state) {
    runEach(state, pier(Task::Design, 6200));
}

void BM_DesignEnlarge(benchmark::State& state) {
    runEach(state, pier(Task::Design, 40000));
}

void BM_Curve(benchmark::State& state) {
    const Input in = pier(Task::Check, 6200);
    const Outcome out = run(in);
    for (auto _ : state) {
        const auto curve = interactionCurve(in, out);
        benchmark::DoNotOptimize(curve->points.data());
    }
}

BENCHMARK(BM_Check);
BENCHMARK(BM_Design);
BENCHMARK(BM_DesignEnlarge);
BENCHMARK(BM_Curve);

}  // namespace

BENCHMARK_MAIN();
