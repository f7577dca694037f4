#include "table/columns.h"

#include <algorithm>

#include "table/cell_values.h"

namespace pilaro::table {

const std::array<ColumnNames, kColumnCount>& columnNames() {
    static const std::array<ColumnNames, kColumnCount> names = {{
        {"name", "名称", false},
        {"member", "构件", false},
        {"type", "类型", true},
        {"concrete", "混凝土标号", true},
        {"steel", "钢筋等级", true},
        {"Nj", "轴向力", true},
        {"Mj", "弯矩", true},
        {"D", "直径", true},
        {"a", "保护层", true},
        {"l0", "计算长度", true},
        {"Ag", "钢筋面积", false},
        {"bars", "钢筋", false},
    }};
    return names;
}

std::string columnLabel(Column c) {
    const ColumnNames& n = columnNames()[indexOf(c)];
    return std::string(n.chinese) + "/" + std::string(n.english);
}

namespace {

// English names in any case ("nj", "NJ"); Chinese names exactly.
std::optional<Column> columnNamed(std::string_view text) {
    const auto& names = columnNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (text == names[i].chinese || equalsIgnoringAsciiCase(text, names[i].english))
            return static_cast<Column>(i);
    }
    return std::nullopt;
}

}  // namespace

std::optional<ColumnMap> readHeader(const std::vector<std::string>& header, std::string& error) {
    ColumnMap map;
    map.headerCells = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view text = trimBlanks(header[i]);
        if (text.empty()) continue;
        const std::optional<Column> column = columnNamed(text);
        if (!column) {
            error = "unknown column \"" + std::string(text) + "\" (column " +
                    std::to_string(i + 1) + ")";
            return std::nullopt;
        }
        auto& position = map.position[indexOf(*column)];
        if (position) {
            error = "column " + columnLabel(*column) + " appears twice (columns " +
                    std::to_string(*position + 1) + " and " + std::to_string(i + 1) + ")";
            return std::nullopt;
        }
        position = i;
    }
    std::string missing;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        if (columnNames()[i].required && !map.position[i])
            missing += (missing.empty() ? "" : ", ") + columnLabel(static_cast<Column>(i));
    }
    if (!missing.empty()) {
        error = "missing column " + missing;
        return std::nullopt;
    }
    return map;
}

}  // namespace pilaro::table
