// One cell of a CSV file that a spreadsheet opens: quoted where it must be,
// and never taken for a formula.
#pragma once

#include <string>
#include <string_view>

namespace pilaro::table {

// A cell that a spreadsheet would take for a formula ("=HYPERLINK(…)")
// with a leading apostrophe, as spreadsheets mark text; numbers such as -5
// stay numbers.
[[nodiscard]] std::string spreadsheetText(std::string_view cell);

// Whether a spreadsheet would take the cell for a formula, and so
// spreadsheetText marks it.
[[nodiscard]] bool takenForFormula(std::string_view cell);

// The cell as it stands in a line: quoted, with its quotes doubled, when it
// holds a comma, a quote, a line break, or blanks or tabs at its ends.
[[nodiscard]] std::string csvField(std::string_view cell);

// The same field put at the end of `line`.
void appendCsvField(std::string& line, std::string_view cell);

// What a CSV file that a spreadsheet opens starts with: a UTF-8 byte-order
// mark, so that the Chinese text reads as such.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One line of a CSV file as it is built: cells (csvField) joined by
// commas, ended by CRLF.
class CsvLine {
  public:
    void add(std::string_view cell);
    // The line with its CRLF; the next add starts a new line.
    [[nodiscard]] const std::string& end();

  private:
    std::string text_;
    bool ended_ = true;
};

}  // namespace pilaro::table
