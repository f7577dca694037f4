// One row of a load-case table as the input of a calculation run, read the
// way the window reads its fields and grade lists, but strictly.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation.h"
#include "jtg3362/records.h"
#include "messages/wording.h"
#include "table/cell_row.h"
#include "table/columns.h"
#include "table/row_method.h"

namespace pilaro::table {

// Steel that replaces a row's own (--provide): bars or an area.
struct ProvidedSteel {
    std::string text;  // as given: "24D28" or "147.792"
    bool asBars = false;
    double Ag = 0;  // cm^2
};

// "24D28" or an area in cm^2; nothing when it is neither.
std::optional<ProvidedSteel> readProvidedSteel(const std::string& text);

// The steel provided for every member, and for members by name, which
// comes first.
struct ProvidedSteels {
    std::optional<ProvidedSteel> every;
    std::map<std::string, ProvidedSteel, std::less<>> byMember;

    bool empty() const { return !every && byMember.empty(); }
    // Nothing when the member keeps its own steel.
    const ProvidedSteel* forMember(std::string_view member) const;
};

// Adds one value of --provide: "24D28", "147.792", or "P1=24D28" for the
// member P1. False, with the reason in `problem`, when the steel is
// neither bars of the bar table nor a positive area, or when the value
// gives steel to every member or to one member a second time.
bool addProvidedSteel(ProvidedSteels& steels, std::string_view text, messages::Message& problem);

// A problem of a row's cells.
struct RowError {
    // As the output writes it: in English its message column's (column
    // 直径/D: "1,2" is not a number), in Chinese its status's, the window's
    // message for the same text where it has one.
    messages::Message output;
    // As the user is told, naming the column as the header wrote it:
    // 轴力(kN)输入有误：…, column 轴力(kN): ….
    messages::Message told;
};

// The most characters (UTF-16 units, as a workbook counts them) a cell of
// a sheet holds; a longer cell is an error of its row, never cut short.
inline constexpr std::size_t kMostCellCharacters = 32767;

struct RowCase {
    long line = 0;
    std::array<std::string, kColumnCount> cells;  // as in the file, or the provided steel
    std::vector<std::string> otherCells;          // under ColumnMap::others, as in the file
    Method method = Method::Archived;             // by the grades (table/row_method.h)
    CalcInput input;                              // the archived method's
    jtg3362::Input current;                       // the current code's
    std::vector<RowError> errors;
};

// The cells of one record under the columns that readHeader found in the
// header's cells, whatever the cells were read from. A row of a member
// with provided steel is checked with it, whatever its type, and its type
// cell says 强度校核. The grades choose the method the row is read for
// (`method`, and `input` or `current`); γ0 must be empty or 1.0 on a row
// of the archived method, and empty is 1.0 on a row of the current code.
RowCase readRow(const CellRow& record, const ColumnMap& columns, const ProvidedSteels& provided);

}  // namespace pilaro::table
