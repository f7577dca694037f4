// The columns of a load-case table: their English and Chinese names, their
// units, and which of them a table must have.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/field_messages.h"
#include "messages/wording.h"

namespace pilaro::table {

// Gamma0, the importance factor of the current code (JTG 3362-2018), is
// last: the archived method's output has the columns before it, in this
// order, and only those.
enum class Column { Name, Member, Type, Concrete, Steel, Nj, Mj, D, a, l0, Ag, Bars, Gamma0 };

inline constexpr std::size_t kColumnCount = 13;
// The columns of the archived method's output: Name to Bars.
inline constexpr std::size_t kArchivedColumnCount = 12;

// The unit a column's numbers are in; a header may state it, never change it.
enum class Unit { None, Kilonewton, KilonewtonMetre, Metre, SquareCentimetre };

struct ColumnNames {
    std::string_view english;  // also the output's name for the column
    std::string_view chinese;
    bool required;
    Unit unit;
};

// In output order, indexed by Column.
const std::array<ColumnNames, kColumnCount>& columnNames();

inline std::size_t indexOf(Column c) {
    return static_cast<std::size_t>(c);
}

// "kN", "kN·m", "m", "cm²"; empty for Unit::None.
std::string_view unitText(Unit unit);

// "直径/D", as the output's English messages name a column.
std::string columnLabel(Column c);

// The column by its own names, as messages name it: 直径 in Chinese,
// 直径/D in English.
messages::Message columnName(Column c);

// What the column holds, as the help and the messages name it.
messages::Field fieldOf(Column c);

// "轴向力（kN）": the Chinese name with its unit, as a Chinese header row
// shows it.
std::string chineseHeading(Column c);

// A column of the table that is none of the known ones (备注): carried
// through to the output as text, after the input columns, under its
// header cell.
struct OtherColumn {
    std::size_t position = 0;
    std::string heading;  // as the header wrote it, without the blanks around it
};

// Where each column stands in the file's rows.
struct ColumnMap {
    std::array<std::optional<std::size_t>, kColumnCount> position;
    std::size_t headerCells = 0;
    // Each column's header cell as the table wrote it, without the blanks
    // around it: "轴力(kN)".
    std::array<std::string, kColumnCount> headings;
    std::vector<OtherColumn> others;  // in the table's order

    bool has(Column c) const { return position[indexOf(c)].has_value(); }
    // The other columns' headings, in order.
    std::vector<std::string> otherHeadings() const;
};

// The column as messages name it to the user: as the table's header wrote
// it, or by its own name where the table lacks it (钢筋面积, 钢筋面积/Ag).
messages::Message columnAsWritten(const ColumnMap& columns, Column c);

// What a record says as a header row (table/header_names.h says which
// names a cell may give). A name that is no column's nor near one is
// another column. A misspelt name, a unit that is not the column's, a
// column named twice or a required column missing is an error. Blank
// header cells name no column.
struct HeaderReading {
    std::optional<ColumnMap> columns;  // a header without fault
    messages::Message error;           // else why not
    std::size_t knownCells = 0;        // cells that name a known column, or nearly
    bool holdsRequired = false;        // every required column is named
};
HeaderReading readHeaderRow(const std::vector<std::string>& header);

// The same, with the message in `error` when the row is no header.
std::optional<ColumnMap> readHeader(const std::vector<std::string>& header,
                                    messages::Message& error);

}  // namespace pilaro::table
