#include "table/row_writer.h"

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

}  // namespace

std::vector<std::string> outputColumnNames(const std::vector<std::string>& others) {
    std::vector<std::string> names;
    for (const ColumnNames& column : columnNames()) names.emplace_back(column.english);
    names.insert(names.end(), others.begin(), others.end());
    names.insert(names.end(), {"row", "status", "message", "statusText"});
    for (const ReadOutEntry& readOut : kReadOuts) names.emplace_back(readOut.name);
    return names;
}

std::vector<std::string> outputColumnNamesChinese(const std::vector<std::string>& others) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kColumnCount; ++i)
        names.push_back(chineseHeading(static_cast<Column>(i)));
    names.insert(names.end(), others.begin(), others.end());
    names.insert(names.end(), {"行号", "状态代码", "信息", "状态"});
    for (const ReadOutEntry& readOut : kReadOuts) names.push_back(chineseName(readOut.id));
    return names;
}

}  // namespace pilaro::table
