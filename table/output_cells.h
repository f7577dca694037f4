// One output row's cells, in the order of outputColumnNames, as the row
// holds them: the CSV writes them, guarded, and the page shows them as
// typed.
#pragma once

#include <functional>
#include <string_view>

#include "table/row_outcome.h"
#include "table/row_writer.h"

namespace pilaro::table {

// The input cells, the cells of the table's other columns, the row's line,
// its status, its message (the output's, or what the user is told in
// Chinese), its status in Chinese, then the read-outs (resultCells), handed
// to `take(text, guarded)` in order, each seen where the outcome holds it
// where it can be. `guarded` marks a cell a CSV guards from being taken for
// a formula (spreadsheetText): the input's cells and those after the
// archived read-outs (γ0 as typed first). A screen shows every cell as it
// is.
void forEachOutputCell(const RowOutcome& outcome, const OutputLayout& layout,
                       MessageColumn messages,
                       const std::function<void(std::string_view text, bool guarded)>& take);

}  // namespace pilaro::table
