#include "table/output_cells.h"

namespace pilaro::table {

void forEachOutputCell(const RowOutcome& o, const OutputLayout& layout, MessageColumn messages,
                       const std::function<void(std::string_view text, bool guarded)>& take) {
    for (std::size_t i = 0; i < kArchivedColumnCount; ++i) take(o.row.cells[i], true);
    for (const std::string& cell : o.row.otherCells) take(cell, true);
    take(std::to_string(o.row.line), false);
    take(o.status, false);
    if (messages == MessageColumn::Output)
        take(o.message, false);
    else
        take(toldMessage(o, Language::Chinese), false);
    take(o.statusText, false);
    // The archived read-outs as they always were; after them the γ0 cell
    // as typed, then the current code's.
    std::size_t result = 0;
    forEachResultCell(o, layout,
                      [&](std::string_view text) { take(text, result++ >= kReadOuts.size()); });
}

}  // namespace pilaro::table
