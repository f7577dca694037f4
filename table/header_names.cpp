#include "table/header_names.h"

#include <array>

#include "messages/table_messages.h"
#include "table/cell_values.h"

namespace pilaro::table {

namespace {

struct OtherName {
    Column column;
    std::string_view name;
};

// Every name that a column goes by in engineers' tables besides its own
// two, Chinese and English.
constexpr std::array<OtherName, 23> kOtherNames = {{
    {Column::Type, "计算类型"},
    {Column::Type, "calculation type"},
    {Column::Nj, "轴力"},
    {Column::Nj, "N"},
    {Column::Nj, "axial force"},
    {Column::Mj, "计算弯矩"},
    {Column::Mj, "M"},
    {Column::Mj, "moment"},
    {Column::Mj, "design moment"},
    {Column::D, "截面直径"},
    {Column::D, "圆形直径"},
    {Column::D, "diameter"},
    {Column::D, "section diameter"},
    {Column::a, "保护层厚度"},
    {Column::a, "cover"},
    {Column::a, "cover thickness"},
    {Column::l0, "计算长度 l0"},
    {Column::l0, "effective length"},
    {Column::Ag, "钢筋面积 As"},
    {Column::Ag, "纵向钢筋面积"},
    {Column::Ag, "As"},
    {Column::Ag, "steel area"},
    {Column::Gamma0, "γ0"},
}};

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A piece of text and what it stands for in a key.
struct Fold {
    std::string_view piece, replacement;
};

// The text with each piece folded, ASCII letters lowered.
template <std::size_t N>
std::string folded(std::string_view text, const std::array<Fold, N>& folds) {
    std::string key;
    for (std::size_t i = 0; i < text.size();) {
        const Fold* fold = nullptr;
        for (const Fold& f : folds)
            if (text.substr(i).starts_with(f.piece)) fold = &f;
        if (fold) {
            key += fold->replacement;
            i += fold->piece.size();
        } else {
            key += lowerAscii(text[i++]);
        }
    }
    return key;
}

std::string nameKey(std::string_view name) {
    static constexpr std::array<Fold, 3> kBlanks = {{{" ", ""}, {"\t", ""}, {"　", ""}}};
    return folded(name, kBlanks);
}

// "kN·m", "KN.m", "kN*m" and "kNm" are one unit, as are "cm2", "cm²" and
// "cm^2".
std::string unitKey(std::string_view unit) {
    static constexpr std::array<Fold, 13> kFolds = {{
        {" ", ""},
        {"\t", ""},
        {"　", ""},
        {"·", ""},
        {"・", ""},
        {"•", ""},
        {"⋅", ""},
        {"×", ""},
        {".", ""},
        {"*", ""},
        {"-", ""},
        {"²", "2"},
        {"^2", "2"},
    }};
    return folded(unit, kFolds);
}

struct NameAndUnit {
    std::string_view name;
    std::optional<std::string_view> unit;  // what the brackets hold
};

// "轴向力(kN)" as its name and its unit; a text that does not end with a
// closing bracket is all name.
NameAndUnit splitUnit(std::string_view text) {
    static constexpr std::array<std::string_view, 4> kOpening = {"(", "（", "[", "【"};
    static constexpr std::array<std::string_view, 4> kClosing = {")", "）", "]", "】"};
    for (std::string_view closing : kClosing) {
        if (!text.ends_with(closing)) continue;
        const std::string_view inside = text.substr(0, text.size() - closing.size());
        std::size_t open = std::string_view::npos;
        std::size_t openSize = 0;
        for (std::string_view opening : kOpening) {
            const std::size_t at = inside.rfind(opening);
            if (at != std::string_view::npos && (open == std::string_view::npos || at > open)) {
                open = at;
                openSize = opening.size();
            }
        }
        if (open == std::string_view::npos) break;
        return {trimBlanks(inside.substr(0, open)), inside.substr(open + openSize)};
    }
    return {text, std::nullopt};
}

std::optional<Column> columnNamed(std::string_view name) {
    const std::string key = nameKey(name);
    const auto& names = columnNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (key == nameKey(names[i].chinese) || key == nameKey(names[i].english))
            return static_cast<Column>(i);
    }
    for (const OtherName& other : kOtherNames)
        if (key == nameKey(other.name)) return other.column;
    return std::nullopt;
}

}  // namespace

HeaderCell readHeaderCell(std::string_view text) {
    using messages::TableProblem;
    const NameAndUnit parts = splitUnit(text);
    const std::optional<Column> column = columnNamed(parts.name);
    if (!column)
        return {std::nullopt,
                messages::tableMessage(TableProblem::UnknownColumn, {messages::quoted(text)}),
                true};
    const std::string unit = parts.unit ? unitKey(*parts.unit) : std::string();
    const Unit own = columnNames()[indexOf(*column)].unit;
    if (unit.empty() || unit == unitKey(unitText(own))) return {column, {}, false};
    const messages::Message named = columnName(*column);
    if (own == Unit::None)
        return {std::nullopt,
                messages::tableMessage(TableProblem::NoUnit, {messages::quoted(text), named}),
                false};
    return {std::nullopt,
            messages::tableMessage(TableProblem::UnitNotConverted,
                                   {messages::quoted(text), named, unitText(own)}),
            false};
}

std::vector<std::string_view> namesOf(Column c) {
    const ColumnNames& own = columnNames()[indexOf(c)];
    std::vector<std::string_view> names = {own.chinese, own.english};
    for (const OtherName& other : kOtherNames)
        if (other.column == c) names.push_back(other.name);
    return names;
}

messages::Message acceptedHeaderNames() {
    std::vector<messages::Message> columns;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        std::vector<messages::Message> names;
        for (std::string_view name : namesOf(static_cast<Column>(i))) names.emplace_back(name);
        messages::Message list = messages::listOf(names);
        const Unit unit = columnNames()[i].unit;
        if (unit != Unit::None) list = messages::withUnit(list, unitText(unit));
        columns.push_back(std::move(list));
    }
    return messages::listOfLists(columns);
}

}  // namespace pilaro::table
