// The N-M diagram of the form's run: the section of the form with the steel
// of the run (the given area of a check, the area a design needs), and the
// run's loads as its one load case, as pilaro-batch draws a member.
#pragma once

#include <string>
#include <vector>

#include "diagram/diagram_contents.h"
#include "engine/calculation.h"
#include "form/form_reading.h"

namespace pilaro::web {

struct FormDiagrams {
    std::vector<diagram::Diagram> diagrams;
    std::vector<std::string> problems;  // why there is none
    std::string stem;                   // of the files' names
};

// The controls read as a press of 运  行 reads them (readForm).
[[nodiscard]] FormDiagrams formDiagrams(const CalcState& state, const ControlText& controlText);

}  // namespace pilaro::web
