// The columns of a run's output, known before its first row is written:
// the current code's columns follow the archived method's only where the
// table has the γ0 column or a row of the current code, so the table's
// rows are read once ahead to find such a row.
#pragma once

#include "table/columns.h"
#include "table/input_text.h"
#include "table/row_writer.h"

namespace pilaro::batch {

// Reads the text's records from its start up to the first that names a
// grade of the current code, then sets `text` back to its start. A text
// that stops being readable ends the look ahead there: the run itself
// reports it where it always did.
[[nodiscard]] table::OutputLayout layoutAhead(table::InputText& text, char separator,
                                              const table::ColumnMap& columns);

}  // namespace pilaro::batch
