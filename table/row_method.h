// Which method a row of a load-case table runs, chosen by its grades: the
// archived method's 号 and 级 (25号, Ⅱ级), or the current highway-bridge
// code's (JTG 3362-2018) C25 to C80 with HPB300, HRB400, HRBF400, RRB400
// and HRB500.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "jtg3362/materials.h"
#include "table/cell_row.h"
#include "table/columns.h"

namespace pilaro::table {

enum class Method { Archived, Jtg3362 };

// The current code's name, as the method cell of its rows writes it.
inline constexpr std::string_view kJtg3362MethodName = "JTG 3362-2018";

// A grade of the current code as a cell may hold it: the grade's own text,
// its letters in either case ("C30", "c30", "hrb400"); nullptr when the
// cell holds none.
[[nodiscard]] const jtg3362::Concrete* readCurrentConcrete(std::string_view text);
[[nodiscard]] const jtg3362::Steel* readCurrentSteel(std::string_view text);

// The current code where either grade cell names one of its grades (a row
// whose other grade is the archived method's is an input error, not a row
// of the archived method); else the archived method.
[[nodiscard]] Method rowMethod(std::string_view concrete, std::string_view steel);

// Whether a record's grade cells, under these columns, choose the current
// code: what the output's columns depend on, known before the rows run.
[[nodiscard]] bool namesCurrentCode(const CellRow& record, const ColumnMap& columns);

// Whether a text may hold a grade of the current code: each of them has a
// C (the concretes) or a B (the steels), in either case, so a text that
// has neither names none. A quick look that spares reading a table whole.
[[nodiscard]] bool mayNameCurrentCode(std::string_view text);

// "C25" … "C80", "HPB300" … "HRB500" and "12" … "40" (mm): the current
// code's grades and bar sizes as its messages list them.
[[nodiscard]] std::vector<std::string_view> currentConcreteNames();
[[nodiscard]] std::vector<std::string_view> currentSteelNames();
[[nodiscard]] std::vector<std::string_view> currentBarDiameters();

}  // namespace pilaro::table
