// One cell of a workbook's row as the sheet holds it: empty, a text, or a
// number in the format that shows the window's text.
#pragma once

#include <string>

namespace pilaro::table {

struct SheetCell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    // A text as the sheet holds it (valid UTF-8 without control
    // characters); a number as the table shows it.
    std::string text;
    double number = 0;   // a number
    std::string format;  // a number's format: ".0183" under "#.0000"; empty for General
};

}  // namespace pilaro::table
