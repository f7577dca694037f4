#include "messages/table_messages.h"

namespace pilaro::messages {

Wording tableProblemWording(TableProblem problem) {
    switch (problem) {
        case TableProblem::NoHeader:
            return {"表格没有表头行", "the table has no header row"};
        case TableProblem::UnknownColumn:
            return {"列名{1}不是任何一列的名称", "unknown column {1}"};
        case TableProblem::AcceptedNames:
            return {
                "；可用的列名为 {1}；英文不分大小写，列名后可在括号中注明单位，如 "
                "轴向力(kN)、直径（m）",
                "; the accepted names are {1}; English names in any case, each with or "
                "without its unit in brackets: 轴向力(kN), 直径（m）"};
        case TableProblem::UnitNotConverted:
            return {"列名{1}：{2}的单位须为 {3}；本程序不换算单位，请把这一列换算为 {3} 后再计算",
                    "{1}: column {2} must be in {3}; no unit is converted, so convert the "
                    "column to {3} first"};
        case TableProblem::NoUnit:
            return {"列名{1}：{2}没有单位", "{1}: column {2} has no unit"};
        case TableProblem::AtColumn:
            return {"（第 {1} 列）", " (column {1})"};
        case TableProblem::ColumnTwice:
            return {"第 {2} 列{4}与第 {3} 列{5}是同一列（{1}），请删去其中一列",
                    "column {1} appears twice (columns {2} and {3})"};
        case TableProblem::MissingColumns:
            return {"表格缺少必需的列：{1}", "missing column {1}"};
        case TableProblem::UnclosedQuote:
            return {"第 {1} 行：引号中的单元格没有结束的引号",
                    "line {1}: a quoted cell is never closed"};
        case TableProblem::RecordTooLong:
            return {"第 {1} 行：一条记录超过 1 MiB（是否有引号没有结束？）",
                    "line {1}: a record longer than 1 MiB (a quoted cell never closed?)"};
        case TableProblem::UnreadableRecord:
            return {"第 {1} 行无法按 CSV 读取（{2}）", "line {1}: {2}"};
        case TableProblem::NeitherEncoding:
            return {"输入的第 {1} 行既不是 UTF-8 也不是 GB18030 文本",
                    "line {1} of the input is neither UTF-8 nor GB18030 text"};
        case TableProblem::InputUnreadable:
            return {"无法读取输入", "the input cannot be read"};
        case TableProblem::InputNotRereadable:
            return {"无法从头再次读取输入", "the input cannot be read again from its start"};
        case TableProblem::NoGb18030:
            return {"本系统的 C 库不能转换 GB18030 文本",
                    "this system's C library cannot convert GB18030 text"};
        case TableProblem::OutOfMemory:
            return {"内存不足", "out of memory"};
        case TableProblem::ProvidedMemberWithoutColumn:
            return {"--provide {1}=… 给构件配筋，但表格没有{2}列",
                    "--provide {1}=… gives steel to a member, but the table has no column {2}"};
        case TableProblem::TooManyRowsForPage:
            return {"表格有 {1} 行，本页最多计算 {2} 行，请把表格分成几个再计算",
                    "the table has {1} rows; the page runs at most {2}, so split it into "
                    "several tables"};
        case TableProblem::TablesNotStarted:
            return {"表格计算无法启动：{1}", "the tables cannot start: {1}"};
        case TableProblem::MisspeltColumn:
            return {
                "列名{1}不是已知的列名，是否应为“{2}”？请改正列名；不参与计算的列（如备注）"
                "请用与已知列名不相近的名称",
                "column {1} is no known name: did you mean {2}? Correct the name; a column "
                "that is not calculated (such as remarks) needs a name unlike the known ones"};
        case TableProblem::NoHeaderFound:
            return {"前 {1} 行中没有表头行：表头行须含以下各列：{2}",
                    "none of the first {1} rows is a header row, which names the columns {2}"};
        case TableProblem::UnitsRowNotConverted:
            return {
                "第 {4} 行（单位行）：{2}的单位须为 {3}，而不是{1}；本程序不换算单位，"
                "请把这一列换算为 {3} 后再计算",
                "line {4} (the units row): column {2} must be in {3}, not {1}; no unit is "
                "converted, so convert the column to {3} first"};
        case TableProblem::NotUtf16:
            return {"输入的第 {1} 行不是有效的 UTF-16 文本",
                    "line {1} of the input is no valid UTF-16 text"};
    }
    return {};
}

Message tableMessage(TableProblem problem, std::initializer_list<Message> arguments) {
    return fill(tableProblemWording(problem), arguments);
}

MessageError tableError(TableProblem problem, std::initializer_list<Message> arguments) {
    return MessageError(tableMessage(problem, arguments));
}

Message inColumn(const Message& message) {
    return Message("", "column ") + message;
}

Message rowMessage(long line, const Message& message) {
    return fill({"第 {1} 行：{2}", "row {1}, {2}"}, {std::to_string(line), message});
}

namespace {

Message joined(const std::vector<Message>& parts, const Message& separator) {
    Message list;
    for (std::size_t i = 0; i < parts.size(); ++i) list = list + (i ? separator : "") + parts[i];
    return list;
}

}  // namespace

Message listOf(const std::vector<Message>& names) {
    return joined(names, {"、", ", "});
}

Message listOfLists(const std::vector<Message>& lists) {
    return joined(lists, {"；", "; "});
}

Message withUnit(const Message& name, std::string_view unit) {
    return fill({"{1}（{2}）", "{1} ({2})"}, {name, unit});
}

}  // namespace pilaro::messages
