// The control a stopped run is about, so that the focus can go to the
// field the user must change: the diameter of a section too small, the
// axial force that is 0, the steel area that is negative.
#pragma once

#include "engine/calculation.h"
#include "form/control_role.h"
#include "jtg3362/records.h"

namespace pilaro {

// The input at fault for `status`, as the run's message names it; the
// concrete list for a missing grade unless concrete is held, then the
// steel list. None where no one input is at fault (a division by zero, a
// search that does not converge) or the run completed.
[[nodiscard]] ControlRole faultOf(CalcStatus status, const CalcInput& input);

// The same for a run under the current code: the field its message names
// first (a slenderness beyond the table names the length), the list of a
// grade the code lacks; none for a result out of range or Done.
[[nodiscard]] ControlRole faultOf(jtg3362::Status status);

}  // namespace pilaro
