#include "table/sheet_cells.h"

#include <algorithm>

#include "messages/sheet_messages.h"
#include "table/cell_values.h"
#include "table/row_writer.h"
#include "text/shown_width.h"
#include "text/utf8.h"

namespace pilaro::table {

using text::shownWidth;
using text::utf8CharLength;

namespace {

constexpr double kNarrowest = 4;
constexpr double kWidest = 60;

// Valid UTF-8 without control characters, as the sheet's XML must be;
// anything else becomes U+FFFD. A text longer than a cell holds, which is
// its row's error (table/row_input.h), is cut to what the cell holds.
std::string sheetText(std::string_view text) {
    std::string out;
    std::size_t units = 0;  // UTF-16 units, as a workbook counts characters
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8CharLength(text, i);
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t width = length == 4 ? 2 : 1;
        if (units + width > kMostCellCharacters) break;
        units += width;
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
// The current code's figures keep their leading zero: "0.0183" under
// "0.0000".
std::string numberFormatOf(std::string_view text) {
    if (text.find('E') != std::string_view::npos) return {};
    const auto point = text.find('.');
    if (point == std::string_view::npos) return "0";
    const bool leadingZero = text.starts_with("0.") || text.starts_with("-0.");
    return (leadingZero ? "0." : "#.") + std::string(text.size() - point - 1, '0');
}

SheetCell textCell(std::string_view text) {
    if (text.empty()) return {};
    return {SheetCell::Kind::Text, sheetText(text), 0, {}};
}

SheetCell numberCell(std::string text, double value, std::string format = {}) {
    return {SheetCell::Kind::Number, std::move(text), value, std::move(format)};
}

}  // namespace

std::array<std::vector<std::string>, 2> sheetHeaderRows(const OutputLayout& layout) {
    std::vector<std::string> english = outputColumnNames(layout);
    for (std::string& name : english) name = sheetText(name);
    std::vector<std::string> chinese = outputColumnNamesChinese(layout);
    for (std::string& name : chinese) name = sheetText(name);
    return {std::move(english), std::move(chinese)};
}

std::vector<SheetCell> sheetRow(const RowOutcome& o, const OutputLayout& layout) {
    std::vector<SheetCell> cells;
    for (std::size_t i = 0; i < kArchivedColumnCount; ++i) {
        const std::string& cell = o.row.cells[i];
        const NumberCell number = readNumber(cell);
        const bool numeric = static_cast<Column>(i) >= Column::Nj &&
                             static_cast<Column>(i) <= Column::Ag &&
                             number.problem == NumberProblem::None;
        cells.push_back(numeric ? numberCell(cell, number.value) : textCell(cell));
    }
    for (const std::string& cell : o.row.otherCells) cells.push_back(textCell(cell));
    cells.push_back(numberCell(std::to_string(o.row.line), static_cast<double>(o.row.line)));
    cells.push_back(textCell(o.status));
    cells.push_back(textCell(o.message));
    cells.push_back(textCell(o.statusText));
    const std::vector<std::string> results = resultCells(o, layout);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const std::string& text = results[i];
        const NumberCell number = readNumber(text);
        // γ0 as typed, a number as the input's numbers are; the read-outs
        // in the format of their text.
        const bool gamma0 = i == kReadOuts.size();
        cells.push_back(number.problem != NumberProblem::None ? textCell(text)
                        : gamma0                              ? numberCell(text, number.value)
                                 : numberCell(text, number.value, numberFormatOf(text)));
    }
    return cells;
}

messages::MessageError tooManyRowsForSheet(std::size_t most) {
    return messages::sheetError(messages::SheetProblem::TooManyRowsForSheet,
                                {std::to_string(most), std::to_string(most + 2)});
}

void SheetColumnWidths::fitHeader(std::size_t column, std::string_view name) {
    fit(column, name, 3);
}

void SheetColumnWidths::fit(std::size_t column, const SheetCell& cell) {
    if (cell.kind != SheetCell::Kind::Empty) fit(column, cell.text, 1);
}

void SheetColumnWidths::fit(std::size_t column, std::string_view shown, double extra) {
    if (column >= widths_.size()) widths_.resize(column + 1, kNarrowest);
    widths_[column] = std::clamp(shownWidth(shown) + extra, widths_[column], kWidest);
}

double storedColumnWidth(double width) {
    constexpr int kDigitPixels = 7;
    constexpr int kPaddingPixels = 5;
    const int pixels = static_cast<int>(width * kDigitPixels + 0.5) + kPaddingPixels;
    return static_cast<int>(pixels / static_cast<double>(kDigitPixels) * 256.0) / 256.0;
}

}  // namespace pilaro::table
