#include "batch/layout_ahead.h"

#include <array>
#include <istream>
#include <limits>
#include <optional>

#include "messages/wording.h"
#include "table/row_method.h"
#include "table/table_start.h"

namespace pilaro::batch {

namespace {

// Whether the text from line `line` on (lines as the CSV reader counts
// them, one to a line feed) may name a grade of the current code; a text
// that cannot be read to its end may.
bool restMayNameCurrentCode(std::istream& text, long line) {
    for (long skipped = 1; skipped < line; ++skipped)
        text.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    std::array<char, 1 << 16> block{};
    while (text) {
        text.read(block.data(), block.size());
        const std::string_view read(block.data(), static_cast<std::size_t>(text.gcount()));
        if (table::mayNameCurrentCode(read)) return true;
    }
    return text.bad();
}

// A text table whose rows hold no letter of a current grade names none, and
// is not read whole: a quick look at the text after the header settles it.
// Where the quick look cannot tell, the rows are read one by one.
bool quicklyNamesNoCurrentCode(const InputTable& input) {
    try {
        TableReading reading = input.read();
        const table::RowsAfterHeader rows(*reading.records);
        const std::optional<long> firstRowLine = rows.firstRowLine();
        if (!reading.text || !firstRowLine) return false;
        reading.text->restart();
        return !restMayNameCurrentCode(reading.text->utf8(), *firstRowLine);
    } catch (const messages::MessageError&) {
        return false;
    }
}

bool someRowNamesCurrentCode(const InputTable& input, const table::ColumnMap& columns) {
    if (quicklyNamesNoCurrentCode(input)) return false;
    TableReading reading = input.read();
    table::RowsAfterHeader rows(*reading.records);
    table::CellRow record;
    while (rows.next(record))
        if (table::namesCurrentCode(record, columns)) return true;
    return false;
}

}  // namespace

table::OutputLayout layoutAhead(const InputTable& input, const table::ColumnMap& columns) {
    bool current = false;
    if (!table::outputLayout(columns, false).currentCode) {
        try {
            current = someRowNamesCurrentCode(input, columns);
        } catch (const messages::MessageError&) {
            // The run tells it, at the row where it stands.
        }
    }
    return table::outputLayout(columns, current);
}

}  // namespace pilaro::batch
