// What the form's controls hold at the press of 运  行, read into the
// input of a run or refused: the rules for a field's text and a grade
// list's text, the same for the window and the page.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "form/calc_state.h"
#include "form/control_role.h"

namespace pilaro {

// The UTF-8 text a control shows, by the control's name: a field's text or
// the text part of a grade list.
using ControlText = std::function<std::string(std::string_view control)>;

struct FormReading {
    CalcInput input;      // what the run reads, when nothing is refused
    std::string refusal;  // the message of a refused run; empty when it may go ahead
    // The control a refusal is about: the field or list at fault, or the
    // first calculation-type option when none is chosen.
    ControlRole fault;
    // The given area's field as typed, without the blanks around it; read
    // in Check only.
    std::string steelText;

    [[nodiscard]] bool refused() const { return !refusal.empty(); }
};

// The checks, in this order; the first that fails refuses the run:
// - a calculation type is chosen (otherwise no control is read);
// - each grade list (concrete, then steel) shows the grade the state
//   holds, exactly as its entry reads. A list that was never picked from
//   and shows nothing passes: the run then stops for the missing grade;
// - the moment, the axial force, the diameter, the cover and the length,
//   then the given area in Check, each hold one whole number (blanks
//   around it allowed) or nothing, which is 0; the given area holds bars
//   ("24D28") or a number, and D is no exponent there.
// The material values and the type come from the state.
[[nodiscard]] FormReading readForm(const CalcState& state, const ControlText& controlText);

}  // namespace pilaro
