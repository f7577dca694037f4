#include "batch/layout_ahead.h"

#include "messages/wording.h"
#include "table/csv_reader.h"
#include "table/row_method.h"

namespace pilaro::batch {

table::OutputLayout layoutAhead(table::InputText& text, char separator,
                                const table::ColumnMap& columns) {
    bool current = false;
    if (!table::outputLayout(columns, false).currentCode) {
        text.restart();
        try {
            // The header names no grade.
            table::CsvReader reader(text.utf8(), separator);
            table::CellRow record;
            while (!current && reader.next(record))
                current = table::namesCurrentCode(record, columns);
        } catch (const messages::MessageError&) {
            // The run tells it, at the row where it stands.
        }
    }
    text.restart();
    return table::outputLayout(columns, current);
}

}  // namespace pilaro::batch
