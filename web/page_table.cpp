#include "web/page_table.h"

#include <algorithm>

#include "diagram/diagram_file_names.h"
#include "messages/summary_words.h"
#include "messages/table_messages.h"
#include "table/csv_cell.h"
#include "table/output_cells.h"
#include "table/row_input.h"
#include "table/row_method.h"
#include "table/row_outcome.h"
#include "table/summary_text.h"
#include "table/table_start.h"
#include "text/utf8.h"
#include "web/row_answer_bytes.h"

namespace pilaro::web {

using table::CellRow;
using table::RowOutcome;

std::string_view rowMarkName(RowMark mark) {
    switch (mark) {
        case RowMark::Design:
            return "design";
        case RowMark::Pass:
            return "pass";
        case RowMark::Fail:
            return "fail";
        case RowMark::NoResult:
            return "none";
    }
    return "";
}

namespace {

RowMark markOf(const RowOutcome& o) {
    if (!o.hasResult) return RowMark::NoResult;
    if (!o.checkRoad) return RowMark::Design;
    return o.failsCheck() ? RowMark::Fail : RowMark::Pass;
}

std::vector<CellRow> withoutBlankRecords(std::vector<CellRow> records) {
    std::erase_if(records, [](const CellRow& r) { return table::isBlankRecord(r.cells); });
    return records;
}

// Appends a cell to the text the page reads as a string, and counts it as
// the string does: a character beyond the BMP is two UTF-16 units. Bytes
// that are no UTF-8 (a cell's text is UTF-8 wherever it came from) would
// be read as U+FFFD each, and are written so.
std::uint32_t appendShown(std::string& out, std::string_view cell) {
    std::uint32_t units = 0;
    for (std::size_t i = 0; i < cell.size();) {
        // A run of ASCII, one unit a byte, in one piece.
        std::size_t ascii = i;
        while (ascii < cell.size() && static_cast<unsigned char>(cell[ascii]) < 0x80) ++ascii;
        if (ascii > i) {
            out.append(cell, i, ascii - i);
            units += static_cast<std::uint32_t>(ascii - i);
            i = ascii;
            continue;
        }
        const std::size_t length = text::utf8CharLength(cell, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++units;
            ++i;
            continue;
        }
        out.append(cell, i, length);
        units += length == 4 ? 2 : 1;
        i += length;
    }
    return units;
}

}  // namespace

PageTable::PageTable(std::vector<CellRow> records)
    : records_(withoutBlankRecords(std::move(records))) {
    using messages::TableProblem;
    firstRow_ = records_.size();
    const std::size_t searched = std::min(records_.size(), table::kHeaderSearchRows + 1);
    messages::Message refusal;
    std::optional<table::TableHeader> found =
        table::findHeader(std::span(records_).first(searched), refusal);
    if (!found) {
        refusal_ = refusal.chinese;
        return;
    }
    table::TableHeader& header = *found;
    if (records_.size() - header.firstRow > kMostPageRows) {
        refusal_ = messages::tableMessage(TableProblem::TooManyRowsForPage,
                                          {std::to_string(records_.size() - header.firstRow),
                                           std::to_string(kMostPageRows)})
                       .chinese;
        return;
    }
    firstRow_ = header.firstRow;
    columnMap_ = std::move(header.columns);
    // The output's columns, as pilaro-batch finds them before its rows.
    const auto rows = records_.begin() + static_cast<std::ptrdiff_t>(firstRow_);
    const bool currentCode = std::any_of(rows, records_.end(), [&](const CellRow& r) {
        return table::namesCurrentCode(r, columnMap_);
    });
    layout_ = table::outputLayout(columnMap_, currentCode);
    columns_ = shownColumns(layout_);
    writer_ = table::makeCsvWriter(csv_.stream(), table::MessageColumn::Output, layout_);
    outcomes_.reserve(rowCount());
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        shownWidths_.fitHeader(column, columns_[column].chinese);
        shownWidths_.fitHeader(column, columns_[column].english);
    }
}

PageTable::~PageTable() = default;

ShownRows PageTable::run(std::size_t count) {
    return write(count, {});
}

std::string PageTable::answers(std::size_t first, std::size_t count) const {
    std::vector<table::RowAnswer> answers;
    for (std::size_t row = first; row < rowCount() && answers.size() < count; ++row)
        answers.push_back(
            table::answerRow(table::readRow(records_[firstRow() + row], columnMap_, {})));
    return answerBytes(answers);
}

ShownRows PageTable::take(std::string_view bytes) {
    const std::optional<std::vector<table::RowAnswer>> answers = answersOf(bytes);
    if (!answers || answers->size() > rowCount() - rowsRun()) return {};
    return write(answers->size(), *answers);
}

ShownRows PageTable::write(std::size_t count, std::span<const table::RowAnswer> answers) {
    ShownRows shown;
    shown.cellEnds.reserve(std::min(count, rowCount() - rowsRun()) * columns_.size());
    std::uint32_t end = 0;
    for (std::size_t i = 0; i < count && !finished(); ++i) {
        const CellRow& record = records_[firstRow() + rowsRun()];
        table::RowCase row = table::readRow(record, columnMap_, {});
        if (i < answers.size() &&
            (answers[i].line != row.line || answers[i].cells != table::cellsDigest(row)))
            break;  // not this row's answer: the rows so far stand, the worker runs the rest
        const RowOutcome& outcome =
            outcomes_.emplace_back(i < answers.size() ? table::runRow(std::move(row), answers[i])
                                                      : table::runRow(std::move(row)));
        summaries_.add(outcome);
        diagrams_.add(outcome);
        shown.marks.push_back(markOf(outcome));
        std::size_t column = 0;
        table::forEachOutputCell(outcome, layout_, table::MessageColumn::ToldInChinese,
                                 [&](std::string_view text, bool) {
                                     end += appendShown(shown.cells, text);
                                     shown.cellEnds.push_back(end);
                                     shownWidths_.fitShown(column++, text);
                                 });
    }
    shown.widths = shownWidths_.widths();
    return shown;
}

// The records' lines rise through the table.
std::vector<std::size_t> PageTable::governingRows() const {
    std::vector<std::size_t> governing;
    const auto rows = records_.begin() + static_cast<std::ptrdiff_t>(firstRow());
    const auto runEnd = rows + static_cast<std::ptrdiff_t>(rowsRun());
    for (const table::MemberSummary& s : summaries_.members())
        for (long line : {s.mostSteelRow, s.smallestMarginRow, s.current.mostSteelRow,
                          s.current.governingCheckRow}) {
            const auto at = std::lower_bound(rows, runEnd, line,
                                             [](const CellRow& r, long l) { return r.line < l; });
            if (line != 0 && at != runEnd && at->line == line)
                governing.push_back(static_cast<std::size_t>(at - rows));
        }
    std::sort(governing.begin(), governing.end());
    governing.erase(std::unique(governing.begin(), governing.end()), governing.end());
    return governing;
}

// Written once asked for, after the rows are shown: the page offers it
// only when the table has finished.
std::string PageTable::csv() {
    if (!writer_) return {};
    for (; csvRows_ < outcomes_.size(); ++csvRows_) writer_->write(outcomes_[csvRows_]);
    writer_->finish();
    return csv_.bytes();
}

std::vector<table::WorkbookPart> PageTable::workbook() const {
    table::WorkbookXml workbook(layout_);
    for (const RowOutcome& outcome : outcomes_) workbook.add(outcome);
    return workbook.parts();
}

std::string PageTable::summary() const {
    // As pilaro-batch writes it by default: in Chinese.
    return table::summaryText(summaries_.members(),
                              {Language::Chinese, columnMap_.has(table::Column::Member)});
}

messages::Message PageTable::memberSubject(std::size_t member) const {
    return diagram::memberSubject(diagrams_.members.entries().at(member),
                                  columnMap_.has(table::Column::Member));
}

std::string PageTable::memberTitle(std::size_t member) const {
    return messages::memberTitle(diagrams_.members.entries().at(member).member,
                                 columnMap_.has(table::Column::Member))
        .chinese;
}

std::vector<diagram::Diagram> PageTable::diagrams(std::size_t member,
                                                  std::vector<std::string>& problems) const {
    std::vector<messages::Message> told;
    std::vector<diagram::Diagram> drawn = diagram::diagramsOf(
        diagrams_.members.entries().at(member), memberSubject(member), columnMap_, told);
    for (const messages::Message& problem : told) problems.push_back(problem.chinese);
    return drawn;
}

std::string PageTable::diagramStem(std::size_t member, const diagram::Diagram& d,
                                   std::size_t diagramsOfMember) const {
    return diagram::diagramStem(diagrams_.members.entries().at(member).member,
                                columnMap_.has(table::Column::Member), d.steelKey,
                                diagramsOfMember > 1);
}

std::string PageTable::savedTable() const {
    std::string file(table::kUtf8ByteOrderMark);
    table::CsvLine line;
    for (const CellRow& record : records_) {
        for (const std::string& cell : record.cells) line.add(table::spreadsheetText(cell));
        file += line.end();
    }
    return file;
}

}  // namespace pilaro::web
