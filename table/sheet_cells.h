// The output table as a workbook holds it: the header rows, and each row's
// cells as numbers (in the format that shows the window's text) or texts.
// The .xlsx writer of pilaro-batch and the browser page's both write these.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "table/row_outcome.h"

namespace pilaro::table {

inline constexpr std::string_view kSheetName = "pilaro";

// The output's column names in English, then in Chinese: bold, and kept
// in view (frozen) above the rows.
[[nodiscard]] std::array<std::vector<std::string_view>, 2> sheetHeaderRows();

struct SheetCell {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    std::string text;    // a text: valid UTF-8 without control characters
    double number = 0;   // a number
    std::string format;  // a number's format: ".0183" under "#.0000"; empty for General
};

// One output row: the input's number columns (Nj to Ag) and the row's line
// as numbers, the read-outs that are numbers in their own format, and
// everything else as text.
[[nodiscard]] std::vector<SheetCell> sheetRow(const RowOutcome& outcome);

}  // namespace pilaro::table
