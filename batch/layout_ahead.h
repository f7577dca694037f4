// The columns of a run's output, known before its first row is written:
// the current code's columns follow the archived method's only where the
// table has the γ0 column or a row of the current code, so the table's
// rows are read once ahead to find such a row; its other columns follow
// its input columns.
#pragma once

#include "batch/input_table.h"
#include "table/columns.h"
#include "table/row_writer.h"

namespace pilaro::batch {

// Reads the table's records, in a reading of their own, up to the first
// that names a grade of the current code. A table that stops being
// readable ends the look ahead there: the run itself reports it where it
// always did.
[[nodiscard]] table::OutputLayout layoutAhead(const InputTable& input,
                                              const table::ColumnMap& columns);

}  // namespace pilaro::batch
