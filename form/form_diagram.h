// The N-M diagram of the form's last run: the section of the form with the
// steel of the run (the given area of a check, the area a design needs),
// and the run's loads as its one load case, as pilaro-batch draws a member:
// a design's point as a design, a check's with its verdict. The case is
// named by its loads, and where eta > 1 by the amplified moment its point
// stands at (Nj＝5000，η·Mj＝3277.309). Under the current code the curve
// is JTG 3362-2018's with its axial limit Nmax, and the point stands at
// (γ0Nd·η·e0, γ0Nd), named by both.
// It takes the run the state holds: nothing is read or run again but the
// diagram's own check of its load case with its steel.
#pragma once

#include <string>
#include <vector>

#include "diagram/diagram_contents.h"
#include "form/calc_state.h"
#include "form/form_reading.h"

namespace pilaro {

struct FormDiagrams {
    std::vector<diagram::Diagram> diagrams;
    std::vector<std::string> problems;  // why there is none
    std::string stem;                   // of the files' names
};

// None before a completed run, and after a switch of method. Bars in the
// given area's field, as `controlText` shows it to the run, name a check's
// steel, as in a table.
[[nodiscard]] FormDiagrams formDiagrams(const CalcState& state, const ControlText& controlText);

}  // namespace pilaro
