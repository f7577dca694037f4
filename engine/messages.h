// Every message the user reads, in one table: the stops of a run (see
// statusMessage in engine/calculation.h) and the refusals of the window's
// fields and lists before a run.
#pragma once

#include <string>
#include <string_view>

namespace pilaro {

enum class FieldProblem {
    NotANumber,          // the text holds more than a number, or no number
    NotANumberNorBars,   // the steel area: neither a number nor bars
    UnknownBarDiameter,  // the steel area: bars of a diameter the bar table lacks
    NotFromList,         // a grade list shows text that is not the grade picked
    Empty,               // a load-case table's cell is empty, where a field would read 0
};

// The message for a problem of the window's control `control` ("txtzd",
// "cbohnt"), naming it as its caption does and quoting `text` as typed.
[[nodiscard]] std::string fieldMessage(FieldProblem problem, std::string_view control,
                                       std::string_view text);

// `text` between Chinese quotation marks, as a message quotes what was
// typed: without the blanks around it, and cut with …… after 40
// characters.
[[nodiscard]] std::string quotedInMessage(std::string_view text);

}  // namespace pilaro
