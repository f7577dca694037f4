#include "table/row_writer.h"

#include "engine/bar_counts.h"

namespace pilaro::table {

std::vector<std::string_view> outputColumnNames() {
    std::vector<std::string_view> names;
    for (const ColumnNames& column : columnNames()) names.push_back(column.english);
    names.insert(names.end(), {"row", "status", "message"});
    for (std::string_view name : readOutNames()) names.push_back(name);
    return names;
}

std::vector<std::string_view> outputColumnNamesChinese() {
    std::vector<std::string_view> names;
    for (const ColumnNames& column : columnNames()) names.push_back(column.chinese);
    names.insert(names.end(), {"行号", "状态", "信息", "系数ξ", "系数A", "系数B", "系数C", "系数D",
                               "配筋率", "纵向钢筋面积（cm2）"});
    for (const BarSize& bar : kBarSizes) names.push_back(bar.label);
    names.insert(names.end(), {"校核配筋率", "竖直力Nq", "弯矩Mq", "校核结果"});
    return names;
}

}  // namespace pilaro::table
