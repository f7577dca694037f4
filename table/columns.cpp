#include "table/columns.h"

#include "table/cell_values.h"
#include "table/header_names.h"

namespace pilaro::table {

const std::array<ColumnNames, kColumnCount>& columnNames() {
    static const std::array<ColumnNames, kColumnCount> names = {{
        {"name", "名称", false, Unit::None},
        {"member", "构件", false, Unit::None},
        {"type", "类型", true, Unit::None},
        {"concrete", "混凝土标号", true, Unit::None},
        {"steel", "钢筋等级", true, Unit::None},
        {"Nj", "轴向力", true, Unit::Kilonewton},
        {"Mj", "弯矩", true, Unit::KilonewtonMetre},
        {"D", "直径", true, Unit::Metre},
        {"a", "保护层", true, Unit::Metre},
        {"l0", "计算长度", true, Unit::Metre},
        {"Ag", "钢筋面积", false, Unit::SquareCentimetre},
        {"bars", "钢筋", false, Unit::None},
    }};
    return names;
}

std::string_view unitText(Unit unit) {
    switch (unit) {
        case Unit::None:
            return {};
        case Unit::Kilonewton:
            return "kN";
        case Unit::KilonewtonMetre:
            return "kN·m";
        case Unit::Metre:
            return "m";
        case Unit::SquareCentimetre:
            return "cm²";
    }
    return {};
}

std::string columnLabel(Column c) {
    const ColumnNames& n = columnNames()[indexOf(c)];
    return std::string(n.chinese) + "/" + std::string(n.english);
}

std::string chineseHeading(Column c) {
    const ColumnNames& n = columnNames()[indexOf(c)];
    std::string heading(n.chinese);
    if (n.unit != Unit::None) heading += "（" + std::string(unitText(n.unit)) + "）";
    return heading;
}

std::optional<ColumnMap> readHeader(const std::vector<std::string>& header, std::string& error) {
    ColumnMap map;
    map.headerCells = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view text = trimBlanks(header[i]);
        if (text.empty()) continue;
        const HeaderCell cell = readHeaderCell(text);
        if (!cell.column) {
            error = cell.problem + " (column " + std::to_string(i + 1) + ")";
            if (cell.unknownName) error += "; " + acceptedHeaderNames();
            return std::nullopt;
        }
        auto& position = map.position[indexOf(*cell.column)];
        if (position) {
            error = "column " + columnLabel(*cell.column) + " appears twice (columns " +
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
