#include "table/header_names.h"

#include <algorithm>
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

// "kN·m", "KN.m", "kN*m", "kNm" and 千牛·米 are one unit, as are "cm2",
// "cm²", "cm^2" and 平方厘米; 毫米 is "mm", which no column is in.
std::string unitKey(std::string_view unit) {
    static constexpr std::array<Fold, 25> kFolds = {{
        {" ", ""},      {"\t", ""},     {"　", ""},          {"·", ""},           {"・", ""},
        {"•", ""},      {"∙", ""},      {"⋅", ""},           {"×", ""},           {".", ""},
        {"*", ""},      {"-", ""},      {"²", "2"},          {"^2", "2"},         {"米", "m"},
        {"毫米", "mm"}, {"厘米", "cm"}, {"平方厘米", "cm2"}, {"平方毫米", "mm2"}, {"平方米", "m2"},
        {"千牛", "kn"}, {"兆牛", "mn"}, {"牛", "n"},         {"吨", "t"},         {"千克", "kg"},
    }};
    return folded(unit, kFolds);
}

// The units a cell of a units row may name: the columns' own, and those
// of other tables, which are told as units that are not converted.
bool isUnitKey(std::string_view key) {
    static constexpr std::array<std::string_view, 22> kKeys = {
        "kn",  "knm", "m",  "cm2", "mm",  "cm", "km",  "n",  "mn",  "t",   "kg",
        "kgf", "tf",  "tm", "tfm", "mnm", "nm", "nmm", "m2", "mm2", "kpa", "mpa"};
    for (std::string_view k : kKeys)
        if (key == k) return true;
    return false;
}

// The characters of a key, so that a Chinese name's distance counts
// characters, not bytes.
std::vector<std::string_view> charactersOf(std::string_view key) {
    std::vector<std::string_view> characters;
    for (std::size_t i = 0; i < key.size();) {
        std::size_t length = 1;
        while (i + length < key.size() &&
               (static_cast<unsigned char>(key[i + length]) & 0xC0) == 0x80)
            ++length;
        characters.push_back(key.substr(i, length));
        i += length;
    }
    return characters;
}

// The edit distance of two keys, in characters.
std::size_t distance(std::string_view a, std::string_view b) {
    const std::vector<std::string_view> x = charactersOf(a), y = charactersOf(b);
    std::vector<std::size_t> row(y.size() + 1);
    for (std::size_t j = 0; j <= y.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= x.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= y.size(); ++j) {
            const std::size_t above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1, diagonal + (x[i - 1] == y[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[y.size()];
}

// Whether an unknown name looks like a known one misspelt: one character
// added, dropped or changed (轴向 for 轴向力, Nj1 for Nj), or two in a
// long name. A changed character of a two-character name (No, My) and
// names of one character (b) are names of other columns.
bool looksMisspelt(std::string_view unknown, std::string_view known) {
    const std::size_t u = charactersOf(unknown).size(), k = charactersOf(known).size();
    if (u < 2 || k < 2) return false;
    const std::size_t d = distance(unknown, known);
    if (d == 1) return k >= 3 || u != k;
    return d == 2 && std::min(u, k) >= 6;
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

// The known name that `name` seems a misspelling of; empty when none.
std::string_view nearName(std::string_view name) {
    const std::string key = nameKey(name);
    for (std::size_t i = 0; i < kColumnCount; ++i)
        for (std::string_view known : namesOf(static_cast<Column>(i)))
            if (looksMisspelt(key, nameKey(known))) return known;
    return {};
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
    if (!column) {
        const std::string_view near = nearName(parts.name);
        if (near.empty()) return {std::nullopt, {}, true};
        return {
            std::nullopt,
            messages::tableMessage(TableProblem::MisspeltColumn, {messages::quoted(text), near}),
            false};
    }
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

std::optional<bool> isUnitOf(std::string_view text, Unit own) {
    const NameAndUnit parts = splitUnit(text);
    const std::string key = unitKey(parts.unit && parts.name.empty() ? *parts.unit : text);
    if (!isUnitKey(key)) return std::nullopt;
    return own != Unit::None && key == unitKey(unitText(own));
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
