#include "table/cell_row.h"

namespace pilaro::table {

bool isBlankRecord(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells)
        if (cell.find_first_not_of(" \t") != std::string::npos) return false;
    return true;
}

std::string unclosedQuoteMessage(long line) {
    return "line " + std::to_string(line) + ": a quoted cell is never closed";
}

}  // namespace pilaro::table
