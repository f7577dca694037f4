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
    messages::Message problem;  // without a column: why
    bool unknownName = false;   // the problem is a name no column has
};

HeaderCell readHeaderCell(std::string_view text);

// Every name of a column: its Chinese and English names, then the others.
std::vector<std::string_view> namesOf(Column c);

// "名称、name；构件、member；…": every name of every column with its unit,
// for the message about a name that no column has.
messages::Message acceptedHeaderNames();

}  // namespace pilaro::table
