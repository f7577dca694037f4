#include "table/sheet_cells.h"

#include "table/cell_values.h"
#include "table/row_writer.h"
#include "table/utf8.h"

namespace pilaro::table {

namespace {

constexpr std::size_t kLongestCellText = 32000;  // a sheet's cell holds 32767 characters

// Valid UTF-8 without control characters, as the sheet's XML must be;
// anything else becomes U+FFFD.
std::string sheetText(std::string_view text) {
    std::string out;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size() && characters < kLongestCellText; ++characters) {
        const std::size_t length = utf8CharLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        if (length > 0 && (lead >= 0x20 || lead == '\t' || lead == '\n')) {
            out.append(text, i, length);
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

// The format that shows a number as the window's read-out text does:
// ".0183" under "#.0000", "183" under "0"; exponent forms under General.
std::string numberFormatOf(std::string_view text) {
    if (text.find('E') != std::string_view::npos) return {};
    const auto point = text.find('.');
    if (point == std::string_view::npos) return "0";
    return "#." + std::string(text.size() - point - 1, '0');
}

SheetCell textCell(std::string_view text) {
    if (text.empty()) return {};
    return {SheetCell::Kind::Text, sheetText(text), 0, {}};
}

SheetCell numberCell(double value, std::string format = {}) {
    return {SheetCell::Kind::Number, {}, value, std::move(format)};
}

}  // namespace

std::array<std::vector<std::string_view>, 2> sheetHeaderRows() {
    return {outputColumnNames(), outputColumnNamesChinese()};
}

std::vector<SheetCell> sheetRow(const RowOutcome& o) {
    std::vector<SheetCell> cells;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        const NumberCell number = readNumber(o.row.cells[i]);
        const bool numeric = static_cast<Column>(i) >= Column::Nj &&
                             static_cast<Column>(i) <= Column::Ag &&
                             number.problem == NumberProblem::None;
        cells.push_back(numeric ? numberCell(number.value) : textCell(o.row.cells[i]));
    }
    cells.push_back(numberCell(static_cast<double>(o.row.line)));
    cells.push_back(textCell(o.status));
    cells.push_back(textCell(o.message));
    for (const std::string& readOut : o.readOuts) {
        const NumberCell number = readNumber(readOut);
        cells.push_back(number.problem == NumberProblem::None
                            ? numberCell(number.value, numberFormatOf(readOut))
                            : textCell(readOut));
    }
    return cells;
}

}  // namespace pilaro::table
