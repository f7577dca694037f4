// What the form's controls hold at the press of 运  行 under the current
// code (JTG 3362-2018), read into the input of its run or refused, by the
// rules the archived method's fields are read by.
#pragma once

#include <string>

#include "form/calc_state.h"
#include "form/form_reading.h"
#include "jtg3362/records.h"

namespace pilaro {

struct CurrentReading {
    jtg3362::Input input;
    std::string refusal;  // empty when the run may go ahead
    ControlRole fault;    // the control a refusal is about
    std::string steelText;

    [[nodiscard]] bool refused() const { return !refusal.empty(); }
};

// The checks, in this order; the first that fails refuses the run:
// - a calculation type is chosen (otherwise no control is read);
// - each grade list shows the grade picked, exactly as its entry reads (a
//   list never picked from passes while it shows only blanks: the run
//   then stops for the missing grade), and γ0's list the factor picked;
// - the moment, the axial force, the diameter, the cover and the length,
//   then the given area in Check, each hold one whole number or nothing,
//   which is 0; the given area holds bars of the current code's sizes
//   ("28D28") or a number, and D is no exponent there.
// A check whose given area is left empty is a design, as in the archived
// method; an area typed as 0 is checked, as pilaro-batch checks that row.
// The grades and γ0 come from the state.
[[nodiscard]] CurrentReading readCurrentForm(const CalcState& state,
                                             const ControlText& controlText);

}  // namespace pilaro
