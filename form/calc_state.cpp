#include "form/calc_state.h"

namespace pilaro {

CalcStatus runCalculation(CalcState& state, const CalcInput& input) {
    const CalcStatus status = runCalculation(input, state.result);
    if (!storesInput(status)) return status;
    state.lastInput = input;
    state.lastRunBlock = status != CalcStatus::Done ? CalcType::None
                         : takesCheckRoad(input)    ? CalcType::Check
                                                    : CalcType::Design;
    return status;
}

}  // namespace pilaro
