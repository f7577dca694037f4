// The names a header cell may give a column: its own Chinese and English
// names (columns.h) and the common synonyms of one table, each optionally
// followed by its unit in brackets, ASCII or full-width: 轴向力(kN),
// 直径（m）, 计算长度 l0 [m]. Blanks inside a name and the case of its
// ASCII letters do not matter.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/wording.h"
#include "table/columns.h"

namespace pilaro::table {

struct HeaderCell {
    std::optional<Column> column;
    messages::Message problem;  // without a column: why, unless the name is another column's
    bool otherColumn = false;   // a name no column has nor is near: a column carried through
};

// A known name with its unit if any; a name near a known one (轴向 for
// 轴向力, Nj1 for Nj) is taken as misspelt, and its problem suggests the
// name; any other name is another column.
HeaderCell readHeaderCell(std::string_view text);

// A cell of a units row under a column in `own`: nothing when the text
// names no unit (kN, (kN), 千牛·米, mm …); else whether it is `own`.
std::optional<bool> isUnitOf(std::string_view text, Unit own);

// Every name of a column: its Chinese and English names, then the others.
std::vector<std::string_view> namesOf(Column c);

// "名称、name；构件、member；…": every name of every column with its unit,
// for the message about a name that no column has.
messages::Message acceptedHeaderNames();

}  // namespace pilaro::table
