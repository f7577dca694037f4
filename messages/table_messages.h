// What stops a load-case table before its rows run, and how a row's
// message is told: the header, the reading of its text, the page's limit.
#pragma once

#include <string_view>
#include <vector>

#include "messages/wording.h"

namespace pilaro::messages {

enum class TableProblem {
    NoHeader,          // no record at all
    UnknownColumn,     // {1} the header cell quoted
    UnitNotConverted,  // {1} the header cell quoted, {2} the column, {3} its unit
    NoUnit,            // {1} the header cell quoted, {2} the column
    AtColumn,          // {1} the column number: follows the three above
    AcceptedNames,     // {1} every column's names: follows UnknownColumn
    ColumnTwice,     // {1} the column, {2} and {3} its column numbers, {4} and {5} the cells quoted
    MissingColumns,  // {1} the columns missing
    UnclosedQuote,   // {1} the line
    RecordTooLong,   // {1} the line
    UnreadableRecord,  // {1} the line, {2} the CSV library's reason
    NeitherEncoding,   // {1} the line
    InputUnreadable,
    InputNotRereadable,
    NoGb18030,  // the C library cannot convert GB18030
    OutOfMemory,
    ProvidedMemberWithoutColumn,  // {1} the member given steel, {2} the member column
    TooManyRowsForPage,           // {1} the table's rows, {2} the page's limit
    TablesNotStarted,             // {1} why the page's tables cannot run
    MisspeltColumn,               // {1} the header cell quoted, {2} the name it is near
    NoHeaderFound,                // {1} the rows searched, {2} the required columns
    UnitsRowNotConverted,  // {1} the unit cell quoted, {2} the column, {3} its unit, {4} the line
    NotUtf16,              // {1} the line
};

[[nodiscard]] Wording tableProblemWording(TableProblem problem);

// The problem's message with its arguments, and the error that stops with
// it.
[[nodiscard]] Message tableMessage(TableProblem problem, std::initializer_list<Message> arguments);
[[nodiscard]] MessageError tableError(TableProblem problem,
                                      std::initializer_list<Message> arguments);

// A message about a table's cell: in English after "column ", which the
// message then names.
[[nodiscard]] Message inColumn(const Message& message);

// A row's message as standard error tells it: "第 3 行：…" or "row 3, …".
[[nodiscard]] Message rowMessage(long line, const Message& message);

// Names joined into a list: "钢筋、钢筋面积" or "钢筋, 钢筋面积".
[[nodiscard]] Message listOf(const std::vector<Message>& names);
// Lists joined into a list of lists: "名称、name；构件、member" or
// "名称, name; 构件, member".
[[nodiscard]] Message listOfLists(const std::vector<Message>& lists);
// A name with its unit: "轴向力（kN）" or "axial force (kN)".
[[nodiscard]] Message withUnit(const Message& name, std::string_view unit);

}  // namespace pilaro::messages
