// One record of a table as text cells, however it was read: from a CSV
// file by table/csv_reader.h, or cells that a page parsed itself. Rows of
// load cases are read from these (table/row_input.h).
#pragma once

#include <string>
#include <vector>

#include "messages/wording.h"

namespace pilaro::table {

struct CellRow {
    long line = 0;  // the line the record starts on; the first line is 1
    std::vector<std::string> cells;
    // What a workbook's cells of the record hold that no text stands for
    // (a date, a formula without its result): errors of the row.
    std::vector<messages::Message> problems = {};
};

// A record of nothing but blanks and tabs, which a table skips.
[[nodiscard]] bool isBlankRecord(const std::vector<std::string>& cells);

// What stops the reading of a table whose record at `line` opens a quoted
// cell that is never closed.
[[nodiscard]] messages::Message unclosedQuoteMessage(long line);

}  // namespace pilaro::table
