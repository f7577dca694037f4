// One cell of a CSV file that a spreadsheet opens: quoted where it must be,
// and never taken for a formula.
#pragma once

#include <string>
#include <string_view>

namespace pilaro::table {

// A cell that a spreadsheet would take for a formula ("=HYPERLINK(…)")
// with a leading apostrophe, as spreadsheets mark text; numbers such as -5
// stay numbers.
[[nodiscard]] std::string spreadsheetText(const std::string& cell);

// The cell as it stands in a line: quoted, with its quotes doubled, when it
// holds a comma, a quote, a line break, or blanks or tabs at its ends.
[[nodiscard]] std::string csvField(std::string_view cell);

}  // namespace pilaro::table
