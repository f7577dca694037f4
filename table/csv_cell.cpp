#include "table/csv_cell.h"

#include "table/cell_values.h"

namespace pilaro::table {

std::string spreadsheetText(const std::string& cell) {
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell[0]) == std::string_view::npos)
        return cell;
    if (readNumber(cell).problem == NumberProblem::None) return cell;
    return "'" + cell;
}

std::string csvField(std::string_view cell) {
    // A reader drops the blanks and tabs around a cell that is not quoted.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quote = cell.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!cell.empty() && (blank(cell.front()) || blank(cell.back())));
    if (!quote) return std::string(cell);
    std::string field = "\"";
    for (char c : cell) {
        if (c == '"') field += '"';
        field += c;
    }
    return field + '"';
}

void CsvLine::add(std::string_view cell) {
    if (ended_) {
        text_.clear();
        ended_ = false;
    } else {
        text_ += ',';
    }
    text_ += csvField(cell);
}

const std::string& CsvLine::end() {
    if (ended_) text_.clear();  // a line of no cells
    text_ += "\r\n";
    ended_ = true;
    return text_;
}

}  // namespace pilaro::table
