#include "table/csv_cell.h"

#include <array>

#include "table/cell_values.h"

namespace pilaro::table {

bool takenForFormula(std::string_view cell) {
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell[0]) == std::string_view::npos)
        return false;
    return readNumber(cell).problem != NumberProblem::None;
}

std::string spreadsheetText(std::string_view cell) {
    return takenForFormula(cell) ? "'" + std::string(cell) : std::string(cell);
}

namespace {

// The bytes that make a cell quoted wherever they stand.
constexpr std::array<bool, 256> kQuotedFor = [] {
    std::array<bool, 256> quoted{};
    for (const unsigned char c : {',', '"', '\r', '\n'}) quoted[c] = true;
    return quoted;
}();

}  // namespace

void appendCsvField(std::string& line, std::string_view cell) {
    // A reader drops the blanks and tabs around a cell that is not quoted.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    // One pass over the cell, with no early way out, is the quickest look
    // at the short cells of a table.
    bool special = false;
    for (const char c : cell) special |= kQuotedFor[static_cast<unsigned char>(c)];
    const bool quote = special || (!cell.empty() && (blank(cell.front()) || blank(cell.back())));
    if (!quote) {
        line.append(cell);
        return;
    }
    line += '"';
    for (char c : cell) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

std::string csvField(std::string_view cell) {
    std::string field;
    appendCsvField(field, cell);
    return field;
}

void CsvLine::add(std::string_view cell) {
    if (ended_) {
        text_.clear();
        ended_ = false;
    } else {
        text_ += ',';
    }
    appendCsvField(text_, cell);
}

const std::string& CsvLine::end() {
    if (ended_) text_.clear();  // a line of no cells
    text_ += "\r\n";
    ended_ = true;
    return text_;
}

}  // namespace pilaro::table
