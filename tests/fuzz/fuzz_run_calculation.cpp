// Any inputs through the calculation run, a few runs in a row on one
// state: every run ends with a status and within the trial bound, a stopped
// run changes nothing, a completed run stores only finite values that read
// out well, each on its own road.
#include <cmath>
#include <cstdint>

#include "engine/search/check_solver.h"
#include "engine/search/design_solver.h"
#include "engine/search/written_search.h"
#include "form/calc_state.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/input_decoder.h"
#include "tests/robustness/run_rules.h"

namespace {

using namespace pilaro;
using pilaro::test::require;

void runOnState(CalcState& state, const CalcInput& input) {
    const CalcResult before = state.result;
    const CalcInput lastBefore = state.lastInput;
    const CalcStatus status = runCalculation(state, input);
    const std::string where = test::describe(input);

    const std::string fault = test::runRuleFault(input, status, before, state.result);
    require(fault.empty(), fault, where);
    require(test::sameInput(state.lastInput, storesInput(status) ? input : lastBefore),
            "the last input was kept against the status", where);

    const test::SolverCheck solver = test::solverRuleFault(input, status, state.result);
    require(solver.fault.empty(), solver.fault, where);
}

// The solvers alone, on values no run would hand them.
void runSolverAlone(FuzzedDataProvider& bytes) {
    const SolverInput in = test::decodeSolverInput(bytes);
    const bool design = bytes.ConsumeBool();
    const double Ag = test::decodeValue(bytes, test::Quantity::Ag).value_or(0.0);
    SearchResult search;
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    if (design) {
        DesignSolution s;
        search = solveDesign(in, s, memo);
    } else {
        CheckSolution s;
        search = solveCheck(in, Ag, s, memo);
    }
    require(search.trials >= 1 && search.trials <= kTrialBound,
            "a solver took " + std::to_string(search.trials) + " trials");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    if (bytes.ConsumeIntegralInRange<int>(0, 7) == 0) {
        runSolverAlone(bytes);
        return 0;
    }
    CalcState state;
    const int runs = bytes.ConsumeIntegralInRange<int>(1, 3);
    for (int i = 0; i < runs && bytes.remaining_bytes() > 0; ++i)
        runOnState(state, test::decodeInput(bytes));
    return 0;
}
