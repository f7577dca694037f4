// Whole calculation runs and the solvers' searches on the named sections,
// with the trial count, the cost of one trial against one evaluation of the
// section coefficients on the same depths, and the heap allocations made.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>

#include "bench/allocation_counter.h"
#include "bench/named_cases.h"
#include "bench/trial_sequence.h"
#include "engine/calculation.h"
#include "engine/search/check_solver.h"
#include "engine/search/design_solver.h"
#include "engine/section.h"

namespace pilaro {
namespace {

// The benchmarks' figures mean something only if the replayed trial depths
// are those of the engine's own search.
const char* mismatch(const SearchResult& search, const TrialSequence& replay) {
    if (search.trials == 0) return "the run stops before the search";
    if (replay.search.trials != search.trials || replay.search.xi != search.xi)
        return "the replayed trials differ from the solver's";
    return nullptr;
}

void search(const SectionCase& s, const SolverInput& in) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    if (s.Ag == 0) {
        DesignSolution solution;
        benchmark::DoNotOptimize(solveDesign(in, solution, memo));
        benchmark::DoNotOptimize(solution);
    } else {
        CheckSolution solution;
        benchmark::DoNotOptimize(solveCheck(in, s.Ag, solution, memo));
        benchmark::DoNotOptimize(solution);
    }
}

// sectionCoefficients alone on the depths the search visits, in its order.
void evaluateSection(const SolverInput& in, const TrialSequence& sequence) {
    StressBlockMemory memory;
    for (double xi : sequence.xi) {
        SectionCoefficients c = sectionCoefficients(xi, in.g, in.Rg, in.Eg, memory);
        benchmark::DoNotOptimize(c);
    }
}

// Median over rounds of (search time / section-only time), the two timed
// back to back in each round so that a change of load on the machine
// affects both sides of a ratio alike.
double trialVersusSection(const SectionCase& s, const SolverInput& in,
                          const TrialSequence& sequence) {
    constexpr int kRounds = 7;
    std::array<double, kRounds> ratios{};
    for (double& ratio : ratios) {
        double searchSeconds = 0;
        double sectionSeconds = 0;
        long repeats = 0;
        do {
            double start = threadCpuSeconds();
            search(s, in);
            searchSeconds += threadCpuSeconds() - start;
            start = threadCpuSeconds();
            evaluateSection(in, sequence);
            sectionSeconds += threadCpuSeconds() - start;
            ++repeats;
        } while (searchSeconds < 0.02 || repeats < 2);
        ratio = searchSeconds / sectionSeconds;
    }
    std::nth_element(ratios.begin(), ratios.begin() + kRounds / 2, ratios.end());
    return ratios[kRounds / 2];
}

benchmark::Counter perTrial(double trials) {
    return benchmark::Counter(
        trials, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void runCalculationOn(benchmark::State& state, const NamedCase& named) {
    const SectionCase& s = named.section;
    const SearchResult found = searchOf(s);
    if (const char* why = mismatch(found, trialSequenceOf(s))) return state.SkipWithError(why);
    const CalcInput input = calcInputOf(s);
    CalcResult result;

    const std::uint64_t before = allocationCount();
    if (runCalculation(input, result) != CalcStatus::Done)
        return state.SkipWithError("the run does not complete");
    state.counters["allocs"] = static_cast<double>(allocationCount() - before);

    for (auto _ : state) {
        CalcStatus status = runCalculation(input, result);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(result);
    }
    state.counters["trials"] = static_cast<double>(found.trials);
    state.counters["per_trial"] = perTrial(static_cast<double>(found.trials));
}

// A whole run whose answer is more than one search.
void edgeRunOn(benchmark::State& state, const NamedCase& named) {
    const CalcInput input = calcInputOf(named.section);
    CalcResult result;
    const std::uint64_t before = allocationCount();
    if (runCalculation(input, result) != CalcStatus::Done)
        return state.SkipWithError("the run ends without a result");
    state.counters["allocs"] = static_cast<double>(allocationCount() - before);
    for (auto _ : state) {
        CalcStatus status = runCalculation(input, result);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(result);
    }
}

// A whole run of one of the slowest inputs, whatever its outcome (many
// end without a result).
void worstRunOn(benchmark::State& state, const NamedCase& named) {
    const CalcInput input = calcInputOf(named.section);
    CalcResult result;
    const std::uint64_t before = allocationCount();
    const CalcStatus outcome = runCalculation(input, result);
    state.counters["allocs"] = static_cast<double>(allocationCount() - before);
    state.counters["status"] = static_cast<double>(outcome);
    for (auto _ : state) {
        CalcStatus status = runCalculation(input, result);
        benchmark::DoNotOptimize(status);
        benchmark::DoNotOptimize(result);
    }
}

// The solver alone: its search loop, the only part that grows with the
// number of trials.
void searchOn(benchmark::State& state, const NamedCase& named) {
    const SectionCase& s = named.section;
    const SearchResult found = searchOf(s);
    const TrialSequence sequence = trialSequenceOf(s);
    if (const char* why = mismatch(found, sequence)) return state.SkipWithError(why);
    const SolverInput in = *solverInputOf(s);

    const std::uint64_t before = allocationCount();
    search(s, in);
    state.counters["allocs"] = static_cast<double>(allocationCount() - before);

    for (auto _ : state) search(s, in);
    state.counters["trials"] = static_cast<double>(found.trials);
    state.counters["per_trial"] = perTrial(static_cast<double>(found.trials));
    state.counters["trial_vs_section"] = trialVersusSection(s, in, sequence);
}

const bool registered = [] {
    for (const NamedCase& named : namedCases())
        benchmark::RegisterBenchmark(("runCalculation/" + std::string(named.name)).c_str(),
                                     runCalculationOn, named)
            ->Unit(benchmark::kMicrosecond);
    for (const NamedCase& named : edgeCases())
        benchmark::RegisterBenchmark(("runCalculation/" + std::string(named.name)).c_str(),
                                     edgeRunOn, named)
            ->Unit(benchmark::kMicrosecond);
    for (const NamedCase& named : worstInputs())
        benchmark::RegisterBenchmark(("worstInput/" + std::string(named.name)).c_str(), worstRunOn,
                                     named)
            ->Unit(benchmark::kMicrosecond);
    for (const NamedCase& named : namedCases())
        benchmark::RegisterBenchmark(("search/" + std::string(named.name)).c_str(), searchOn, named)
            ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
}  // namespace pilaro
