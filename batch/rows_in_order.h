// The rows of a table run on several threads, handed on in the table's
// order: the records are read one after another, a bounded window of rows
// is run and formatted at once, and each row is taken in turn, as a run on
// one thread takes them.
#pragma once

#include <cstdint>
#include <functional>

#include "table/columns.h"
#include "table/record_source.h"
#include "table/row_input.h"
#include "table/row_outcome.h"
#include "table/row_writer.h"

namespace pilaro::batch {

// The threads a run uses when none are asked for: every core the process
// may use.
int defaultJobs();

// A row run and formatted for the output, and how far the reader had come
// after it.
struct FinishedRow {
    FinishedRow() = default;
    // Made where it is kept from `make()`'s outcome: an outcome is some
    // kilobytes of texts and figures, which a run of a large table would
    // otherwise move from place to place for each row.
    template <typename Make>
    FinishedRow(Make&& make, std::uint64_t bytes) : outcome(make()), bytesRead(bytes) {}

    table::RowOutcome outcome;
    table::FormattedRow formatted;
    std::uint64_t bytesRead = 0;
};

// Reads every record of `reader`, runs its row and formats it with
// `format` on up to `jobs` threads (`format` is called on several at
// once), and calls `take` for each row in the table's order, never two at
// once. An exception from `take`, or from a row's run, stops the run and is
// thrown on; one from the reader is thrown on after every row read before
// it has been taken.
void runRowsInOrder(table::RecordSource& reader, const table::ColumnMap& columns,
                    const table::ProvidedSteels& provided, int jobs,
                    const std::function<table::FormattedRow(const table::RowOutcome&)>& format,
                    const std::function<void(FinishedRow& row)>& take);

}  // namespace pilaro::batch
