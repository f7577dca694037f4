// Drops the status of a run on purpose. The test
// engine.dropped_status_does_not_compile expects the compiler to refuse
// this file: a caller that ignores the status would show results the run
// never wrote.
#include "form/calc_state.h"

void runAndIgnoreTheStatus(pilaro::CalcState& state, const pilaro::CalcInput& input) {
    pilaro::runCalculation(state, input);
}
