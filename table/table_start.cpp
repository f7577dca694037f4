#include "table/table_start.h"

#include <vector>

#include "messages/table_messages.h"
#include "table/cell_values.h"
#include "table/header_names.h"

namespace pilaro::table {

using messages::tableError;
using messages::TableProblem;

namespace {

// A record right under the header whose cells under the columns with a
// unit are units, one at least, and nothing else; a unit that is not its
// column's stops the table, as it does in the header (told in `error`).
bool isUnitsRow(const CellRow& record, const ColumnMap& columns, messages::Message& error) {
    bool anyUnit = false;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        const Unit own = columnNames()[i].unit;
        const auto& position = columns.position[i];
        if (own == Unit::None || !position || *position >= record.cells.size()) continue;
        const std::string_view cell = trimBlanks(record.cells[*position]);
        if (cell.empty()) continue;
        if (!isUnitOf(cell, own)) return false;
        anyUnit = true;
    }
    if (!anyUnit) return false;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        const Unit own = columnNames()[i].unit;
        const auto& position = columns.position[i];
        if (own == Unit::None || !position || *position >= record.cells.size()) continue;
        const std::string_view cell = trimBlanks(record.cells[*position]);
        if (!cell.empty() && !*isUnitOf(cell, own) && error.empty())
            error = messages::tableMessage(
                TableProblem::UnitsRowNotConverted,
                {messages::quoted(cell), columnAsWritten(columns, static_cast<Column>(i)),
                 unitText(own), std::to_string(record.line)});
    }
    return true;
}

messages::Message requiredColumns() {
    std::vector<messages::Message> names;
    for (std::size_t i = 0; i < kColumnCount; ++i)
        if (columnNames()[i].required) names.emplace_back(columnLabel(static_cast<Column>(i)));
    return messages::listOf(names);
}

}  // namespace

std::optional<TableHeader> findHeader(std::span<const CellRow> firstRecords,
                                      messages::Message& error) {
    if (firstRecords.empty()) {
        error = messages::tableMessage(TableProblem::NoHeader, {});
        return std::nullopt;
    }
    const std::size_t searched = std::min(firstRecords.size(), kHeaderSearchRows);
    std::optional<HeaderReading> likeliest;
    for (std::size_t i = 0; i < searched; ++i) {
        HeaderReading reading = readHeaderRow(firstRecords[i].cells);
        if (reading.holdsRequired) {
            if (!reading.columns) {
                error = reading.error;
                return std::nullopt;
            }
            TableHeader found{std::move(*reading.columns), i, i + 1};
            messages::Message unitError;
            if (i + 1 < firstRecords.size() &&
                isUnitsRow(firstRecords[i + 1], found.columns, unitError))
                found.firstRow = i + 2;
            if (!unitError.empty()) {
                error = unitError;
                return std::nullopt;
            }
            return found;
        }
        if (reading.knownCells > 0 && (!likeliest || reading.knownCells > likeliest->knownCells))
            likeliest = std::move(reading);
    }
    error = likeliest
                ? likeliest->error
                : messages::tableMessage(TableProblem::NoHeaderFound,
                                         {std::to_string(kHeaderSearchRows), requiredColumns()}) +
                      messages::tableMessage(TableProblem::AcceptedNames, {acceptedHeaderNames()});
    return std::nullopt;
}

RowsAfterHeader::RowsAfterHeader(RecordSource& source) : source_(source) {
    std::vector<CellRow> first;
    CellRow record;
    while (first.size() < kHeaderSearchRows + 1 && source_.next(record)) first.push_back(record);
    messages::Message error;
    std::optional<TableHeader> found = findHeader(first, error);
    if (!found) throw messages::MessageError(error);
    header_ = std::move(*found);
    read_.assign(
        std::make_move_iterator(first.begin() + static_cast<std::ptrdiff_t>(header_.firstRow)),
        std::make_move_iterator(first.end()));
}

std::optional<long> RowsAfterHeader::firstRowLine() const {
    if (read_.empty()) return std::nullopt;
    return read_.front().line;
}

bool RowsAfterHeader::next(CellRow& record) {
    if (read_.empty()) return source_.next(record);
    record = std::move(read_.front());
    read_.pop_front();
    return true;
}

bool moreLoadCasesThan(RecordSource& rows, std::size_t most) {
    CellRow record;
    for (std::size_t count = 0; rows.next(record);)
        if (++count > most) return true;
    return false;
}

}  // namespace pilaro::table
