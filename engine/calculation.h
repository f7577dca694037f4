// The calculation run of a circular reinforced-concrete section under an
// axial force and a bending moment: the engine's entry. The records it
// reads and writes are engine/calc_records.h.
#pragma once

#include <string_view>

#include "engine/calc_records.h"
#include "engine/solver_input.h"

namespace pilaro {

// A short English name for a status ("done", "enlarge-section", ...), as a
// load-case table's output shows it.
[[nodiscard]] std::string_view statusName(CalcStatus status);

// True when the run's input becomes the last input of the state (every
// status that got past the type check and the input checks).
[[nodiscard]] bool storesInput(CalcStatus status);

// The run's road: a given area that reads as anything but 0 sends it to
// the check solver, whatever the calculation type.
[[nodiscard]] inline bool takesCheckRoad(const CalcInput& input) {
    return valueOr0(input.Ag) != 0;
}

// The run up to its solver: the derived quantities (g to rhoGiven) written
// into `result` as far as they get, and what the solver reads. Done when a
// solver may run; otherwise the status the run ends with.
[[nodiscard]] CalcStatus deriveSection(const CalcInput& input, CalcResult& result,
                                       SolverInput& solverInput);

// One run. On Done and EnlargeSection the result is updated as the
// calculation defines; on every other status it is left exactly as it was.
[[nodiscard]] CalcStatus runCalculation(const CalcInput& input, CalcResult& result);

}  // namespace pilaro
