// One row of a load-case table as the input of a calculation run, read the
// way the window reads its fields and grade lists, but strictly.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculation.h"
#include "table/cell_row.h"
#include "table/columns.h"

namespace pilaro::table {

// Steel that replaces every row's own (--provide): bars or an area.
struct ProvidedSteel {
    std::string text;  // as given: "24D28" or "147.792"
    bool asBars = false;
    double Ag = 0;  // cm^2
};

// "24D28" or an area in cm^2; nothing when it is neither.
std::optional<ProvidedSteel> readProvidedSteel(const std::string& text);

struct RowCase {
    long line = 0;
    std::array<std::string, kColumnCount> cells;  // as in the file, or the provided steel
    CalcInput input;
    std::vector<std::string> errors;  // "column 直径/D: "1,2" is not a number"
};

// The cells of one record under the columns that readHeader found in the
// header's cells, whatever the cells were read from.
RowCase readRow(const CellRow& record, const ColumnMap& columns,
                const std::optional<ProvidedSteel>& provided);

}  // namespace pilaro::table
