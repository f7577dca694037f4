// Thousands of random and awkward inputs through the calculation run: each
// ends with a status within the trial bound, keeps the state rule, and
// gives bit-identical results whatever ran before.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iostream>

#include "form/calc_state.h"
#include "tests/robustness/awkward_inputs.h"
#include "tests/robustness/result_fields.h"
#include "tests/robustness/run_rules.h"

namespace pilaro::test {
namespace {

constexpr std::uint64_t kSeed = 0x5eed'2024'0606ULL;

// Runs that reach a solver can take a million trials each; the others end
// in microseconds. So every input is drawn and checked, but only the first
// `solverInputs` of those that reach a solver are run; the rest are passed
// over. PILARO_ROBUSTNESS_SCALE multiplies both counts for a longer soak.
struct Budget {
    long inputs;
    long solverInputs;
};

Budget budget() {
    const char* text = std::getenv("PILARO_ROBUSTNESS_SCALE");
    const long scale = std::max(1L, text ? std::atol(text) : 1L);
    return {20000 * scale, 300 * scale};
}

// The fields a run wrote, as a blank result shows them: a later run of the
// same input from any state must write the same bits.
std::string differingWrites(const CalcResult& written, const CalcResult& sequenceResult) {
    const std::vector<ResultField> fresh = resultFields(written);
    const std::vector<ResultField> seq = resultFields(sequenceResult);
    const std::vector<ResultField> blank = resultFields(CalcResult{});
    for (std::size_t i = 0; i < fresh.size(); ++i) {
        const bool writtenHere = !sameBits(fresh[i].value, blank[i].value);
        if (writtenHere && !sameBits(fresh[i].value, seq[i].value)) return fresh[i].name;
    }
    if (written.verdict != Verdict::None && written.verdict != sequenceResult.verdict)
        return "verdict";
    return {};
}

TEST(RunProperties, RandomAndAwkwardInputsKeepTheRules) {
    InputStream inputs(kSeed);
    CalcState state;
    const Budget limits = budget();
    std::array<long, 32> statusCounts{};
    long runs = 0;
    long solverRuns = 0;
    long mostTrials = 0;

    for (long i = 0; i < limits.inputs; ++i) {
        const CalcInput input = inputs.next();
        const bool reachesSolver = solverInputByWrittenFormulas(input).has_value();
        if (reachesSolver && solverRuns >= limits.solverInputs) continue;
        if (reachesSolver) ++solverRuns;
        ++runs;
        const CalcResult before = state.result;
        const CalcInput lastBefore = state.lastInput;
        const CalcStatus status = runCalculation(state, input);
        ++statusCounts.at(static_cast<std::size_t>(status));
        SCOPED_TRACE("run " + std::to_string(i) + ": " + describe(input));

        ASSERT_EQ(runRuleFault(input, status, before, state.result), "");
        ASSERT_TRUE(sameInput(state.lastInput, storesInput(status) ? input : lastBefore));

        // The same input from a blank state: same status, same written bits.
        CalcResult fresh;
        ASSERT_EQ(runCalculation(input, fresh), status);
        ASSERT_EQ(differingWrites(fresh, state.result), "");

        const SolverCheck solver = solverRuleFault(input, status, state.result);
        ASSERT_EQ(solver.fault, "");
        mostTrials = std::max(mostTrials, solver.trials);
    }

    std::cout << "[ robustness ] " << runs << " inputs run, " << solverRuns
              << " of them through a solver, at most " << mostTrials << " trials; statuses:";
    for (std::size_t s = 0; s < statusCounts.size(); ++s)
        if (statusCounts[s] > 0) std::cout << ' ' << s << ':' << statusCounts[s];
    std::cout << '\n';
    RecordProperty("inputs", static_cast<int>(runs));
    RecordProperty("solverRuns", static_cast<int>(solverRuns));
    RecordProperty("mostTrials", static_cast<int>(mostTrials));
}

// Repeating an input straight away changes nothing at all, whatever the
// outcome.
TEST(RunProperties, RepeatingAnInputChangesNothing) {
    InputStream inputs(kSeed + 1);
    CalcResult result;
    for (int i = 0; i < 500; ++i) {
        const CalcInput input = inputs.next();
        SCOPED_TRACE(describe(input));
        const CalcStatus first = runCalculation(input, result);
        const CalcResult once = result;
        ASSERT_EQ(runCalculation(input, result), first);
        ASSERT_TRUE(changedFields(once, result).empty());
    }
}

}  // namespace
}  // namespace pilaro::test
