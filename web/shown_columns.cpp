#include "web/shown_columns.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "table/sheet_cells.h"

namespace pilaro::web {

namespace {

// The name, member and type of a row and its line, which the summary
// names; the area a design needs, a check's capacity and verdict, and the
// current code's utilisation γ0Nd/Nu; then the status, whose text may be
// long.
constexpr std::array<std::string_view, 9> kCompact = {
    "name", "member", "type", "row", "AgRequired", "Nq", "verdict", "utilisation", "statusText",
};

}  // namespace

std::vector<ShownColumn> shownColumns(const table::OutputLayout& layout) {
    const auto [english, chinese] = table::sheetHeaderRows(layout);
    std::vector<ShownColumn> columns;
    int place = 0;
    for (std::size_t i = 0; i < english.size(); ++i)
        columns.push_back({chinese[i], english[i], -1});
    for (std::string_view name : kCompact) {
        const auto at = std::find_if(columns.begin(), columns.end(),
                                     [&](const ShownColumn& c) { return c.english == name; });
        if (at != columns.end()) at->compactPlace = place++;
    }
    return columns;
}

}  // namespace pilaro::web
