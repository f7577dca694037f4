#include "messages/sheet_messages.h"

namespace pilaro::messages {

Wording sheetProblemWording(SheetProblem problem) {
    switch (problem) {
        case SheetProblem::OldWorkbook:
            return {
                "{1} 是 Excel 97-2003 工作簿（.xls），本程序不读取；请在 Excel 中另存为 "
                "Excel 工作簿（.xlsx）或“CSV UTF-8(逗号分隔)”后再计算",
                "{1} is an Excel 97-2003 workbook (.xls), which this program does not "
                "read; save it from Excel as an Excel workbook (.xlsx) or as CSV UTF-8"};
        case SheetProblem::ZipNotWorkbook:
            return {
                "{1} 是 zip 压缩文件，但不是 Excel 工作簿（.xlsx）；请另存为 .xlsx 工作簿"
                "或 CSV 文件后再计算",
                "{1} is a zip archive but no Excel workbook (.xlsx); save the table as "
                ".xlsx or as CSV"};
        case SheetProblem::Utf16WithoutMark:
            return {
                "{1} 似乎是没有字节顺序标记（BOM）的 UTF-16 文本；请在 Excel 中另存为"
                "“Unicode 文本”或“CSV UTF-8(逗号分隔)”后再计算",
                "{1} seems to be UTF-16 text without a byte-order mark; save it from Excel "
                "as Unicode Text or as CSV UTF-8"};
        case SheetProblem::BinaryFile:
            return {
                "{1} 似乎是二进制文件，不是表格；请把荷载组合表另存为 CSV 文件或 Excel "
                "工作簿（.xlsx）",
                "{1} seems to be a binary file, not a table; save the table of load cases "
                "as CSV or as an Excel workbook (.xlsx)"};
        case SheetProblem::WorkbookUnreadable:
            return {"无法读取工作簿 {1}：{2}", "cannot read the workbook {1}: {2}"};
        case SheetProblem::NoSuchSheet:
            return {"工作簿中没有名为{1}的工作表；工作表有：{2}",
                    "the workbook has no sheet {1}; its sheets are {2}"};
        case SheetProblem::NoVisibleSheet:
            return {"工作簿 {1} 中没有可见的工作表", "the workbook {1} has no visible sheet"};
        case SheetProblem::SheetNeedsWorkbook:
            return {"--sheet {1} 只用于 Excel 工作簿（.xlsx），而 {2} 不是工作簿",
                    "--sheet {1} is for an Excel workbook (.xlsx), and {2} is none"};
        case SheetProblem::DateCell:
            return {
                "单元格 {1} 是日期，本程序不读取日期；请把该单元格设为“常规”格式后重新输入"
                "数值。",
                "cell {1} holds a date, which is not read; format the cell as General and "
                "type its value again"};
        case SheetProblem::FormulaWithoutValue:
            return {"单元格 {1} 的公式没有保存计算结果；请在 Excel 中打开并保存工作簿后再计算。",
                    "the formula in cell {1} has no saved result; open and save the workbook "
                    "in Excel first"};
        case SheetProblem::CellTooLong:
            return {"{1}中的文字超过工作表单元格所能容纳的 {2} 个字符。",
                    "{1} holds more than the {2} characters a sheet's cell holds"};
        case SheetProblem::TooManyRowsForSheet:
            return {
                "表格的荷载组合超过 {1} 行，而一张工作表最多 {2} 行（含 2 行表头）；请改为写出 "
                "CSV 文件（-o 结果.csv）",
                "the table has more than {1} load cases, and a sheet holds at most {2} rows, "
                "2 of them the header; write CSV instead (-o results.csv)"};
        case SheetProblem::StandardInput:
            return {"标准输入", "standard input"};
        case SheetProblem::StandardOutput:
            return {"标准输出", "standard output"};
        case SheetProblem::StandardError:
            return {"标准错误", "standard error"};
        case SheetProblem::Summary:
            return {"汇总（{1}）", "the summary ({1})"};
    }
    return {};
}

Message sheetMessage(SheetProblem problem, std::initializer_list<Message> arguments) {
    return fill(sheetProblemWording(problem), arguments);
}

MessageError sheetError(SheetProblem problem, std::initializer_list<Message> arguments) {
    return MessageError(sheetMessage(problem, arguments));
}

}  // namespace pilaro::messages
