// The output table as a workbook holds it: the header rows, each row's
// cells as numbers (in the format that shows the window's text) or texts,
// and each column's width. The .xlsx writer of pilaro-batch and the
// browser page's both write these.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "table/row_outcome.h"
#include "table/row_writer.h"
#include "table/sheet_cell.h"

namespace pilaro::table {

inline constexpr std::string_view kSheetName = "pilaro";

// The output's column names in English, then in Chinese with their units:
// bold, and kept in view (frozen) above the rows; the filter sits on the
// Chinese row.
[[nodiscard]] std::array<std::vector<std::string>, 2> sheetHeaderRows(
    const OutputLayout& layout = {});
inline constexpr std::size_t kSheetFilterRow = 1;

// The rows of a sheet, and so the most load cases a sheet holds under the
// two header rows.
inline constexpr std::size_t kSheetRows = 1048576;
inline constexpr std::size_t kMostSheetLoadCases = kSheetRows - 2;

// The refusal of a table of more than `most` load cases for a sheet.
[[nodiscard]] messages::MessageError tooManyRowsForSheet(std::size_t most);

// One output row: the input's number columns (Nj to Ag, and γ0) and the
// row's line as numbers, the read-outs that are numbers in their own
// format, and everything else, the table's other columns among it, as
// text.
[[nodiscard]] std::vector<SheetCell> sheetRow(const RowOutcome& outcome,
                                              const OutputLayout& layout = {});

// Each column's width in widths of a digit: wide enough to show its cells
// whole, up to a limit (a longer message wraps in the cell's own view).
class SheetColumnWidths {
  public:
    // A header cell: bold, and the filter's button beside it.
    void fitHeader(std::size_t column, std::string_view name);
    void fit(std::size_t column, const SheetCell& cell);
    // A cell as a screen shows it (the page's results).
    void fitShown(std::size_t column, std::string_view shown);
    [[nodiscard]] const std::vector<double>& widths() const { return widths_; }

  private:
    void fit(std::size_t column, std::string_view shown, double extra);
    std::vector<double> widths_;
};

// A width of at least one digit as a workbook file stores it: in whole
// pixels of a 7-pixel digit, plus the cell's 5 pixels of padding, in
// 1/256 of a digit (22 is stored as 22.7109375). The .xlsx library of
// pilaro-batch stores its widths so; the page's is handed them stored.
[[nodiscard]] double storedColumnWidth(double width);

}  // namespace pilaro::table
