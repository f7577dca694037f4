#include "table/output_cells.h"

namespace pilaro::table {

std::vector<OutputCell> outputCells(const RowOutcome& o, const OutputLayout& layout,
                                    MessageColumn messages) {
    // The results go last: room for them up front spares moving every
    // cell as the row grows.
    std::vector<std::string> results = resultCells(o, layout);
    std::vector<OutputCell> cells;
    cells.reserve(kArchivedColumnCount + o.row.otherCells.size() + 4 + results.size());
    for (std::size_t i = 0; i < kArchivedColumnCount; ++i) cells.push_back({o.row.cells[i], true});
    for (const std::string& cell : o.row.otherCells) cells.push_back({cell, true});
    cells.push_back({std::to_string(o.row.line), false});
    cells.push_back({std::string(o.status), false});
    cells.push_back(
        {messages == MessageColumn::Output ? o.message : toldMessage(o, Language::Chinese), false});
    cells.push_back({o.statusText, false});
    // The archived read-outs as they always were; after them the γ0 cell
    // as typed, then the current code's.
    for (std::size_t i = 0; i < results.size(); ++i)
        cells.push_back({std::move(results[i]), i >= kReadOuts.size()});
    return cells;
}

}  // namespace pilaro::table
