#include "table/sheet_rows.h"

#include <charconv>
#include <optional>
#include <utility>

#include "engine/decimal_chars.h"
#include "messages/file_messages.h"
#include "messages/sheet_messages.h"
#include "table/shortest_number.h"

namespace pilaro::table {

using messages::SheetProblem;

namespace {

// The most columns a sheet has (XFD).
constexpr std::size_t kSheetColumns = 16384;

// Column and row of a reference such as "B3"; nothing when it is none.
std::optional<std::pair<std::size_t, long>> readReference(std::string_view reference) {
    std::size_t column = 0, i = 0;
    for (; i < reference.size() && reference[i] >= 'A' && reference[i] <= 'Z'; ++i)
        column = column * 26 + static_cast<std::size_t>(reference[i] - 'A' + 1);
    if (i == 0 || column > kSheetColumns) return std::nullopt;
    long row = 0;
    const auto [end, error] =
        std::from_chars(reference.data() + i, reference.data() + reference.size(), row);
    if (error != std::errc() || end != reference.data() + reference.size() || row < 1)
        return std::nullopt;
    return std::make_pair(column - 1, row);
}

std::size_t wholeNumber(std::string_view text, std::size_t otherwise) {
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : otherwise;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

}  // namespace

std::string shortestNumberText(std::string_view stored) {
    const std::string_view text = trimmed(stored);
    double value = 0;
    const DecimalChars read = decimalFromChars(text.data(), text.data() + text.size(), value);
    if (read.ec != std::errc() || read.end != text.data() + text.size()) return std::string(stored);
    return shortestText(value);
}

std::string cellReference(std::size_t column, long row) {
    std::string letters;
    for (std::size_t c = column + 1; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + std::to_string(row);
}

SheetRows::SheetRows(SheetContext context) : context_(std::move(context)) {}

void SheetRows::start(std::string_view qualified, std::span<const XmlAttribute> a) {
    const std::string_view name = localName(qualified);
    if (name == "row") {
        const std::size_t number = wholeNumber(attribute(a, "r"), 0);
        rowNumber_ = number > 0 ? static_cast<long>(number) : rowNumber_ + 1;
        row_ = CellRow{};
        row_.line = rowNumber_;
        inRow_ = true;
        nextColumn_ = 0;
    } else if (name == "c" && inRow_) {
        const auto reference = readReference(attribute(a, "r"));
        column_ = reference ? reference->first : nextColumn_;
        nextColumn_ = column_ + 1;
        type_ = attribute(a, "t");
        style_ = wholeNumber(attribute(a, "s"), 0);
        value_.clear();
        inline_.clear();
        hasValue_ = hasFormula_ = false;
        inCell_ = true;
    } else if (inCell_) {
        if (name == "v") {
            ++inValue_;
            hasValue_ = true;
        } else if (name == "f") {
            hasFormula_ = true;
        } else if (name == "is") {
            ++inInline_;
            hasValue_ = true;
        } else if (name == "t" && inInline_) {
            ++inText_;
        } else if (name == "rPh" && inInline_) {
            ++inPhonetic_;
        }
    }
}

void SheetRows::text(std::string_view text) {
    if (!inCell_) return;
    if (inValue_) value_ += text;
    if (inInline_ && inText_ && !inPhonetic_) inline_ += text;
}

void SheetRows::end(std::string_view qualified) {
    const std::string_view name = localName(qualified);
    if (name == "c" && inCell_) {
        endCell();
        inCell_ = false;
    } else if (name == "row" && inRow_) {
        inRow_ = false;
        if (!isBlankRecord(row_.cells) || !row_.problems.empty()) ready_.push_back(std::move(row_));
        row_ = CellRow{};
    } else if (inCell_) {
        if (name == "v" && inValue_) --inValue_;
        if (name == "is" && inInline_) --inInline_;
        if (name == "t" && inText_) --inText_;
        if (name == "rPh" && inPhonetic_) --inPhonetic_;
    }
}

void SheetRows::endCell() {
    const std::string reference = cellReference(column_, rowNumber_);
    std::string text;
    if (hasFormula_ && !hasValue_) {
        row_.problems.push_back(
            messages::sheetMessage(SheetProblem::FormulaWithoutValue, {reference}));
    } else if (type_ == "s") {
        const std::size_t index = wholeNumber(trimmed(value_), context_.sharedStrings.size());
        if (index >= context_.sharedStrings.size()) {
            if (error_.empty())
                error_ = workbookUnreadable(
                    context_.file, messages::workbookFault(messages::WorkbookFault::PartDamaged,
                                                           {context_.sharedStringsPart.empty()
                                                                ? std::string("sharedStrings.xml")
                                                                : context_.sharedStringsPart}));
            return;
        }
        text = context_.sharedStrings[index];
    } else if (type_ == "inlineStr") {
        text = inline_;
    } else if (type_ == "str" || type_ == "e") {
        text = value_;
    } else if (type_ == "b") {
        text = trimmed(value_) == "1" ? "TRUE" : "FALSE";
    } else if (type_ == "d") {
        text = value_;
        row_.problems.push_back(messages::sheetMessage(SheetProblem::DateCell, {reference}));
    } else if (hasValue_) {
        text = shortestNumberText(value_);
        if (context_.dateStyles.contains(style_))
            row_.problems.push_back(messages::sheetMessage(SheetProblem::DateCell, {reference}));
    }
    if (text.empty()) return;
    if (column_ >= row_.cells.size()) row_.cells.resize(column_ + 1);
    row_.cells[column_] = std::move(text);
}

bool SheetRows::take(CellRow& record) {
    if (ready_.empty()) return false;
    record = std::move(ready_.front());
    ready_.pop_front();
    return true;
}

}  // namespace pilaro::table
