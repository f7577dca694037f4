#include "table/cell_row.h"

#include "messages/table_messages.h"

namespace pilaro::table {

bool isBlankRecord(const std::vector<std::string>& cells) {
    for (const std::string& cell : cells)
        if (cell.find_first_not_of(" \t") != std::string::npos) return false;
    return true;
}

messages::Message unclosedQuoteMessage(long line) {
    return messages::tableMessage(messages::TableProblem::UnclosedQuote, {std::to_string(line)});
}

}  // namespace pilaro::table
