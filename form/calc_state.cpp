#include "form/calc_state.h"

namespace pilaro {

CalcStatus runCalculation(CalcState& state, const CalcInput& input, std::string steelText) {
    const CalcStatus status = runCalculation(input, state.result);
    if (!storesInput(status)) return status;
    state.lastInput = input;
    state.lastSteelText = takesCheckRoad(input) ? std::move(steelText) : std::string();
    state.lastRunBlock = status != CalcStatus::Done ? CalcType::None
                         : takesCheckRoad(input)    ? CalcType::Check
                                                    : CalcType::Design;
    return status;
}

}  // namespace pilaro
