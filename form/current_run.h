// One press of 运  行 under the current code (JTG 3362-2018): the form
// read, the code's run, the run kept whose figures are on show, and the
// texts of the read-outs, which are pilaro-batch's cells for the same row.
#pragma once

#include "form/calc_state.h"
#include "form/form_reading.h"
#include "form/run_outcome.h"

namespace pilaro {

// A refused or stopped run leaves every read-out as it was; a design whose
// section must be enlarged shows its figures at 5 % with its message. A
// check given no steel is designed, and says so; an area of 0 is checked.
[[nodiscard]] RunOutcome pressCurrentRun(CalcState& state, const ControlText& controlText);

}  // namespace pilaro
