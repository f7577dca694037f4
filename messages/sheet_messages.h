// What the user is told about an input that is no plain text table: a
// workbook's sheets and cells, and a file that is neither text nor a
// workbook this program reads.
#pragma once

#include "messages/wording.h"

namespace pilaro::messages {

enum class SheetProblem {
    OldWorkbook,          // {1} the file
    ZipNotWorkbook,       // {1} the file
    Utf16WithoutMark,     // {1} the file
    BinaryFile,           // {1} the file
    WorkbookUnreadable,   // {1} the file, {2} what is wrong with it
    NoSuchSheet,          // {1} the sheet asked for, {2} the workbook's sheets
    NoVisibleSheet,       // {1} the file
    SheetNeedsWorkbook,   // {1} the sheet asked for, {2} the input
    DateCell,             // {1} the cell, as A1
    FormulaWithoutValue,  // {1} the cell, as A1
    CellTooLong,          // {1} the column as the header wrote it, {2} the most characters
    TooManyRowsForSheet,  // {1} the most load cases of a sheet, {2} its rows
    StandardInput,        // the input's name when it is standard input
    StandardOutput,       // the output's name when it is standard output
    StandardError,        // where the summary goes when the results go to standard output
    Summary,              // {1} where the summary goes
};

[[nodiscard]] Wording sheetProblemWording(SheetProblem problem);

[[nodiscard]] Message sheetMessage(SheetProblem problem, std::initializer_list<Message> arguments);
[[nodiscard]] MessageError sheetError(SheetProblem problem,
                                      std::initializer_list<Message> arguments);

}  // namespace pilaro::messages
