// The rows of a table run on several threads, handed on in the table's
// order: the records are read one after another, a bounded window of rows
// runs at once, and each outcome is taken in turn, as a run on one thread
// takes them.
#pragma once

#include <cstdint>
#include <functional>

#include "table/columns.h"
#include "table/record_source.h"
#include "table/row_input.h"
#include "table/row_outcome.h"

namespace pilaro::batch {

// The threads a run uses when none are asked for: every core the process
// may use.
int defaultJobs();

// Reads every record of `reader`, runs its row on up to `jobs` threads and
// calls `take(outcome, bytesRead)` for each, in the table's order, never
// two at once; `bytesRead` is how far the reader had come after the row.
// An exception from the reader or from `take` stops the run and is thrown
// on.
void runRowsInOrder(
    table::RecordSource& reader, const table::ColumnMap& columns,
    const table::ProvidedSteels& provided, int jobs,
    const std::function<void(const table::RowOutcome& outcome, std::uint64_t bytesRead)>& take);

}  // namespace pilaro::batch
