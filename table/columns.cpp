#include "table/columns.h"

#include "messages/table_messages.h"
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
        {"gamma0", "结构重要性系数", false, Unit::None},
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

messages::Field fieldOf(Column c) {
    using messages::Field;
    switch (c) {
        case Column::Name:
            return Field::Name;
        case Column::Member:
            return Field::Member;
        case Column::Type:
            return Field::Type;
        case Column::Concrete:
            return Field::Concrete;
        case Column::Steel:
            return Field::Steel;
        case Column::Nj:
            return Field::AxialForce;
        case Column::Mj:
            return Field::Moment;
        case Column::D:
            return Field::Diameter;
        case Column::a:
            return Field::Cover;
        case Column::l0:
            return Field::Length;
        case Column::Ag:
            return Field::SteelArea;
        case Column::Bars:
            return Field::Bars;
        case Column::Gamma0:
            return Field::ImportanceFactor;
    }
    return Field::Name;
}

messages::Message columnName(Column c) {
    return {std::string(columnNames()[indexOf(c)].chinese), columnLabel(c)};
}

messages::Message columnAsWritten(const ColumnMap& columns, Column c) {
    return columns.has(c) ? messages::Message(columns.headings[indexOf(c)]) : columnName(c);
}

std::string chineseHeading(Column c) {
    const ColumnNames& n = columnNames()[indexOf(c)];
    std::string heading(n.chinese);
    if (n.unit != Unit::None) heading += "（" + std::string(unitText(n.unit)) + "）";
    return heading;
}

std::vector<std::string> ColumnMap::otherHeadings() const {
    std::vector<std::string> headings;
    for (const OtherColumn& other : others) headings.push_back(other.heading);
    return headings;
}

HeaderReading readHeaderRow(const std::vector<std::string>& header) {
    using messages::tableMessage;
    using messages::TableProblem;
    HeaderReading reading;
    ColumnMap map;
    map.headerCells = header.size();
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view text = trimBlanks(header[i]);
        if (text.empty()) continue;
        const HeaderCell cell = readHeaderCell(text);
        if (cell.otherColumn) {
            map.others.push_back({i, std::string(text)});
            continue;
        }
        ++reading.knownCells;
        if (!cell.column) {
            if (reading.error.empty())
                reading.error =
                    cell.problem + tableMessage(TableProblem::AtColumn, {std::to_string(i + 1)});
            continue;
        }
        const std::size_t column = indexOf(*cell.column);
        auto& position = map.position[column];
        if (position) {
            if (reading.error.empty())
                reading.error =
                    tableMessage(TableProblem::ColumnTwice,
                                 {columnLabel(*cell.column), std::to_string(*position + 1),
                                  std::to_string(i + 1), messages::quoted(map.headings[column]),
                                  messages::quoted(text)});
            continue;
        }
        position = i;
        map.headings[column] = text;
    }
    std::vector<messages::Message> missing;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        if (columnNames()[i].required && !map.position[i])
            missing.emplace_back(columnLabel(static_cast<Column>(i)));
    }
    reading.holdsRequired = missing.empty();
    if (reading.error.empty() && !missing.empty())
        reading.error = tableMessage(TableProblem::MissingColumns, {messages::listOf(missing)});
    if (reading.error.empty()) reading.columns = std::move(map);
    return reading;
}

std::optional<ColumnMap> readHeader(const std::vector<std::string>& header,
                                    messages::Message& error) {
    HeaderReading reading = readHeaderRow(header);
    if (!reading.columns) error = reading.error;
    return std::move(reading.columns);
}

}  // namespace pilaro::table
