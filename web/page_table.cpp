#include "web/page_table.h"

#include <algorithm>

#include "diagram/diagram_file_names.h"
#include "messages/summary_words.h"
#include "messages/table_messages.h"
#include "table/csv_cell.h"
#include "table/row_input.h"
#include "table/row_method.h"
#include "table/row_outcome.h"
#include "table/summary_text.h"
#include "table/table_start.h"
#include "table/text_encoding.h"

namespace pilaro::web {

using table::CellRow;
using table::RowOutcome;

std::string_view tableEncoding(std::string_view bytes) {
    switch (table::encodingOf(bytes)) {
        case table::TextEncoding::Utf8:
            return "utf-8";
        case table::TextEncoding::Gb18030:
            return "gb18030";
        case table::TextEncoding::Utf16Le:
            return "utf-16le";
        case table::TextEncoding::Utf16Be:
            return "utf-16be";
    }
    return "utf-8";
}

std::string neitherEncoding(std::string_view bytes, long firstBadGb18030Line) {
    const table::TextEncoding encoding = table::encodingOf(bytes);
    if (encoding == table::TextEncoding::Utf16Le || encoding == table::TextEncoding::Utf16Be)
        return messages::tableMessage(messages::TableProblem::NotUtf16,
                                      {std::to_string(firstBadGb18030Line)})
            .chinese;
    text::Utf8Scan scan;
    scan.feed(bytes);
    return table::neitherEncodingMessage(scan.firstBadLine(), firstBadGb18030Line).chinese;
}

std::string unclosedQuote(long line) {
    return table::unclosedQuoteMessage(line).chinese;
}

std::string tablesNotStarted(std::string_view reason) {
    return messages::tableMessage(messages::TableProblem::TablesNotStarted, {reason}).chinese;
}

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
    columns_ = std::move(header.columns);
    // The output's columns, as pilaro-batch finds them before its rows.
    const auto rows = records_.begin() + static_cast<std::ptrdiff_t>(firstRow_);
    const bool currentCode = std::any_of(rows, records_.end(), [&](const CellRow& r) {
        return table::namesCurrentCode(r, columns_);
    });
    layout_ = table::outputLayout(columns_, currentCode);
    writer_ = table::makeCsvWriter(csv_.stream(), table::MessageColumn::Output, layout_);
    shownWriter_ =
        table::makeCsvWriter(shownCsv_.stream(), table::MessageColumn::ToldInChinese, layout_);
    marks_.reserve(rowCount());
    sheetRows_.reserve(rowCount());
    for (const std::vector<std::string>& names : sheetHeader())
        for (std::size_t column = 0; column < names.size(); ++column)
            sheetWidths_.fitHeader(column, names[column]);
}

PageTable::~PageTable() = default;

std::size_t PageTable::run(std::size_t count) {
    for (; count > 0 && !finished(); --count) {
        const CellRow& record = records_[firstRow() + rowsRun()];
        const RowOutcome outcome = table::runRow(table::readRow(record, columns_, {}));
        writer_->write(outcome);
        shownWriter_->write(outcome);
        summaries_.add(outcome);
        const diagram::MemberRows& member = diagrams_.members.of(outcome);
        diagrams_.add(outcome);
        const auto index = static_cast<std::size_t>(&member - diagrams_.members.entries().data());
        marks_.push_back({markOf(outcome), index, false});
        sheetRows_.push_back(table::sheetRow(outcome, layout_));
        for (std::size_t column = 0; column < sheetRows_.back().size(); ++column)
            sheetWidths_.fit(column, sheetRows_.back()[column]);
        if (finished()) markGoverningRows();
    }
    return rowsRun();
}

// The records' lines rise through the table.
void PageTable::markGoverningRows() {
    const auto rows = records_.begin() + static_cast<std::ptrdiff_t>(firstRow());
    for (const table::MemberSummary& s : summaries_.members())
        for (long line : {s.mostSteelRow, s.smallestMarginRow, s.current.mostSteelRow,
                          s.current.governingCheckRow}) {
            const auto at = std::lower_bound(rows, records_.end(), line,
                                             [](const CellRow& r, long l) { return r.line < l; });
            if (line != 0 && at != records_.end() && at->line == line)
                marks_[static_cast<std::size_t>(at - rows)].governing = true;
        }
}

std::string PageTable::csv() {
    if (!writer_) return {};
    writer_->finish();
    return csv_.bytes();
}

std::string PageTable::shownCsv() {
    if (!shownWriter_) return {};
    shownWriter_->finish();
    return shownCsv_.bytes();
}

std::string PageTable::summary() const {
    // As pilaro-batch writes it by default: in Chinese.
    return table::summaryText(summaries_.members(),
                              {Language::Chinese, columns_.has(table::Column::Member)});
}

messages::Message PageTable::memberSubject(std::size_t member) const {
    return diagram::memberSubject(diagrams_.members.entries().at(member),
                                  columns_.has(table::Column::Member));
}

std::string PageTable::memberTitle(std::size_t member) const {
    return messages::memberTitle(diagrams_.members.entries().at(member).member,
                                 columns_.has(table::Column::Member))
        .chinese;
}

std::vector<diagram::Diagram> PageTable::diagrams(std::size_t member,
                                                  std::vector<std::string>& problems) const {
    std::vector<messages::Message> told;
    std::vector<diagram::Diagram> drawn = diagram::diagramsOf(
        diagrams_.members.entries().at(member), memberSubject(member), columns_, told);
    for (const messages::Message& problem : told) problems.push_back(problem.chinese);
    return drawn;
}

std::string PageTable::diagramStem(std::size_t member, const diagram::Diagram& d,
                                   std::size_t diagramsOfMember) const {
    return diagram::diagramStem(diagrams_.members.entries().at(member).member,
                                columns_.has(table::Column::Member), d.steelKey,
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
