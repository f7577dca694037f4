// Whether the results on show still belong to the form as it reads now.
// A completed run keeps what its controls showed to it; any later change
// of one of those controls, or of the calculation type, makes its
// read-outs and its diagram stale until the next completed run. The rule
// reads the controls by name, so it holds for every control a run reads,
// whatever the method.
#pragma once

#include "form/calc_state.h"
#include "form/form_reading.h"

namespace pilaro {

// `controlText` as it is, and every text it gives kept in `read`.
[[nodiscard]] ControlText recordingReads(const ControlText& controlText, ReadInputs& read);

// True when a completed run's results are on show and the form now shows
// another text in a control that run read, or another calculation type
// (or method, though a switch of method clears the results).
// False before the first completed run: there is nothing to mark.
[[nodiscard]] bool resultsStale(const CalcState& state, const ControlText& controlText);

}  // namespace pilaro
