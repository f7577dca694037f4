#include "batch/layout_ahead.h"

#include "messages/wording.h"
#include "table/row_method.h"
#include "table/table_start.h"

namespace pilaro::batch {

table::OutputLayout layoutAhead(const InputTable& input, const table::ColumnMap& columns) {
    bool current = false;
    if (!table::outputLayout(columns, false).currentCode) {
        try {
            TableReading reading = input.read();
            table::RowsAfterHeader rows(*reading.records);
            table::CellRow record;
            while (!current && rows.next(record))
                current = table::namesCurrentCode(record, columns);
        } catch (const messages::MessageError&) {
            // The run tells it, at the row where it stands.
        }
    }
    return table::outputLayout(columns, current);
}

}  // namespace pilaro::batch
