// The columns of the page's results: each output column's headings, as the
// workbook's two header rows have them, and which of them the compact view
// shows, in its order: what names a row, then its answers, then its
// status. At 1366 pixels the answers show without scrolling sideways; every
// column is one click away.
#pragma once

#include <string>
#include <vector>

#include "table/row_writer.h"

namespace pilaro::web {

struct ShownColumn {
    std::string chinese;  // with its unit: 轴向力（kN）
    std::string english;  // the CSV's name: Nj
    // Where the compact view shows it, from 0; -1 where it does not.
    int compactPlace = -1;
};

[[nodiscard]] std::vector<ShownColumn> shownColumns(const table::OutputLayout& layout);

}  // namespace pilaro::web
