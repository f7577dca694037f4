// Where a table's records come from, one at a time: a CSV text
// (table/csv_reader.h), a workbook's sheet (table/xlsx_reader.h), or
// records already read.
#pragma once

#include <cstdint>

#include "table/cell_row.h"

namespace pilaro::table {

class RecordSource {
  public:
    virtual ~RecordSource() = default;
    // The next record that is not wholly blank; false at the end. Throws
    // messages::MessageError when the source cannot be read.
    virtual bool next(CellRow& record) = 0;
    // How far the source has come, in the units of its size (bytes).
    [[nodiscard]] virtual std::uint64_t bytesRead() const = 0;
};

}  // namespace pilaro::table
