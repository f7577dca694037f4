// Where a table's rows start: the header is the first of its first rows
// that names every required column, so that a title row (XX大桥桥墩荷载组合表)
// or a few rows of notes above it are skipped; a units row right under it
// (kN, kN·m, m …) is skipped too.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <span>

#include "table/cell_row.h"
#include "table/columns.h"
#include "table/record_source.h"

namespace pilaro::table {

// The header is looked for among this many records.
inline constexpr std::size_t kHeaderSearchRows = 10;

struct TableHeader {
    ColumnMap columns;
    std::size_t header = 0;    // its index among the records
    std::size_t firstRow = 0;  // the index of the first load case
};

// The header among `firstRecords`, the table's first records that are not
// blank (kHeaderSearchRows + 1 of them, where it has so many). Nothing,
// with the message in `error`, when none is a header: the problem of the
// row that names the most columns (a misspelt name, a unit, a column
// missing), or the columns a header needs when no row names any; and when
// the units row holds a unit that is not its column's. (The browser
// edition catches no exceptions: the rules it shares throw none.)
[[nodiscard]] std::optional<TableHeader> findHeader(std::span<const CellRow> firstRecords,
                                                    messages::Message& error);

// The records that follow the header, from a source: those read while the
// header was looked for, then the rest.
class RowsAfterHeader : public RecordSource {
  public:
    // Reads the source up to the header and past its units row; throws
    // messages::MessageError with findHeader's message when there is none.
    explicit RowsAfterHeader(RecordSource& source);

    [[nodiscard]] const ColumnMap& columns() const { return header_.columns; }
    // The line the first record after the header starts on, where one was
    // read while the header was looked for.
    [[nodiscard]] std::optional<long> firstRowLine() const;
    bool next(CellRow& record) override;
    [[nodiscard]] std::uint64_t bytesRead() const override { return source_.bytesRead(); }

  private:
    RecordSource& source_;
    std::deque<CellRow> read_;
    TableHeader header_;
};

// Whether `rows` holds more than `most` records, read no further than the
// one past `most`.
[[nodiscard]] bool moreLoadCasesThan(RecordSource& rows, std::size_t most);

}  // namespace pilaro::table
