#include "table/row_writer.h"

#include <array>

namespace pilaro::table {

namespace {

// With the unit of the read-out, as the window's caption gives it.
std::string chineseName(ReadOutId id) {
    switch (id) {
        case ReadOutId::Xi:
            return "系数ξ";
        case ReadOutId::CoefA:
            return "系数A";
        case ReadOutId::CoefB:
            return "系数B";
        case ReadOutId::CoefC:
            return "系数C";
        case ReadOutId::CoefD:
            return "系数D";
        case ReadOutId::Rho:
            return "配筋率";
        case ReadOutId::AgRequired:
            return "纵向钢筋面积（cm2）";
        case ReadOutId::RhoGiven:
            return "校核配筋率";
        case ReadOutId::Nq:
            return "竖直力Nq（kN）";
        case ReadOutId::Mq:
            return "弯矩Mq（kN·m）";
        case ReadOutId::Verdict:
            return "校核结果";
        // The bar counts, by their size.
        case ReadOutId::D12:
        case ReadOutId::D14:
        case ReadOutId::D16:
        case ReadOutId::D18:
        case ReadOutId::D20:
        case ReadOutId::D22:
        case ReadOutId::D25:
        case ReadOutId::D28:
        case ReadOutId::D32:
        case ReadOutId::D34:
        case ReadOutId::D36:
            return std::string(readOutName(id)) + "（根）";
    }
    return {};
}

using jtg3362::ReadOut;

// The current code's read-outs in a table, in the order of its JSON
// lines' keys.
constexpr std::array<ReadOut, 24> kCurrentTableReadOuts = {{
    ReadOut::E0,         ReadOut::Eta, ReadOut::Alpha,   ReadOut::AlphaT,      ReadOut::Nu,
    ReadOut::Mu,         ReadOut::Phi, ReadOut::NuAxial, ReadOut::Utilisation, ReadOut::Verdict,
    ReadOut::AgRequired, ReadOut::Rho, ReadOut::D12,     ReadOut::D14,         ReadOut::D16,
    ReadOut::D18,        ReadOut::D20, ReadOut::D22,     ReadOut::D25,         ReadOut::D28,
    ReadOut::D32,        ReadOut::D36, ReadOut::D40,     ReadOut::RhoGiven,
}};

// The current code's read-outs with a column of their own: those whose
// name no archived read-out has, with their Chinese headings.
struct OwnColumn {
    ReadOut id;
    std::string_view chinese;
};
constexpr std::array<OwnColumn, 10> kCurrentOwnColumns = {{
    {ReadOut::E0, "偏心距e0（m）"},
    {ReadOut::Eta, "偏心距增大系数η"},
    {ReadOut::Alpha, "系数α"},
    {ReadOut::AlphaT, "系数αt"},
    {ReadOut::Nu, "轴向承载力Nud（kN）"},
    {ReadOut::Mu, "弯矩承载力Mud（kN·m）"},
    {ReadOut::Phi, "稳定系数φ"},
    {ReadOut::NuAxial, "轴心受压承载力Nmax（kN）"},
    {ReadOut::Utilisation, "利用率"},
    {ReadOut::D40, "D40（根）"},
}};

constexpr std::string_view kMethodColumn = "method";
constexpr std::string_view kMethodChinese = "计算方法";

// The current code's read-out that shares an archived read-out's column:
// the one of the same name.
std::optional<ReadOut> currentOfSameName(std::string_view name) {
    for (const jtg3362::ReadOutEntry& entry : jtg3362::kReadOuts)
        if (entry.name == name) return entry.id;
    return std::nullopt;
}

}  // namespace

std::span<const ReadOut> currentTableReadOuts() {
    return kCurrentTableReadOuts;
}

OutputLayout outputLayout(const ColumnMap& columns, bool someRowIsCurrentCode) {
    return {someRowIsCurrentCode || columns.has(Column::Gamma0), columns.otherHeadings()};
}

std::vector<std::string> outputColumnNames(const OutputLayout& layout) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kArchivedColumnCount; ++i)
        names.emplace_back(columnNames()[i].english);
    names.insert(names.end(), layout.others.begin(), layout.others.end());
    names.insert(names.end(), {"row", "status", "message", "statusText"});
    for (const ReadOutEntry& readOut : kReadOuts) names.emplace_back(readOut.name);
    if (!layout.currentCode) return names;
    names.emplace_back(columnNames()[indexOf(Column::Gamma0)].english);
    names.emplace_back(kMethodColumn);
    for (const OwnColumn& own : kCurrentOwnColumns)
        names.emplace_back(jtg3362::readOutEntry(own.id).name);
    return names;
}

std::vector<std::string> outputColumnNamesChinese(const OutputLayout& layout) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kArchivedColumnCount; ++i)
        names.push_back(chineseHeading(static_cast<Column>(i)));
    names.insert(names.end(), layout.others.begin(), layout.others.end());
    names.insert(names.end(), {"行号", "状态代码", "信息", "状态"});
    for (const ReadOutEntry& readOut : kReadOuts) names.push_back(chineseName(readOut.id));
    if (!layout.currentCode) return names;
    names.push_back(chineseHeading(Column::Gamma0));
    names.emplace_back(kMethodChinese);
    for (const OwnColumn& own : kCurrentOwnColumns) names.emplace_back(own.chinese);
    return names;
}

void forEachResultCell(const RowOutcome& o, const OutputLayout& layout,
                       const std::function<void(std::string_view text)>& take) {
    const bool current = o.isCurrentCode();
    for (const ReadOutEntry& readOut : kReadOuts) {
        if (!current) {
            take(o.readOut(readOut.id));
            continue;
        }
        const std::optional<ReadOut> same = currentOfSameName(readOut.name);
        take(same ? std::string_view(o.currentReadOut(*same)) : std::string_view());
    }
    if (!layout.currentCode) return;
    take(o.row.cells[indexOf(Column::Gamma0)]);
    take(o.ranCurrentCode() ? kJtg3362MethodName : std::string_view());
    for (const OwnColumn& own : kCurrentOwnColumns)
        take(current ? std::string_view(o.currentReadOut(own.id)) : std::string_view());
}

std::vector<std::string> resultCells(const RowOutcome& o, const OutputLayout& layout) {
    std::vector<std::string> cells;
    cells.reserve(kReadOuts.size() + 2 + std::size(kCurrentOwnColumns));
    forEachResultCell(o, layout, [&](std::string_view text) { cells.emplace_back(text); });
    return cells;
}

}  // namespace pilaro::table
