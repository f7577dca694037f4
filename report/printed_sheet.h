// The sheet that 打  印 prints for the run on show: the archived method's
// report, or the current code's sheet, which is one page: each of its
// copies begins a page of its own.
#pragma once

#include <vector>

#include "form/calc_state.h"
#include "report/report_lines.h"

namespace pilaro {

struct PrintedSheet {
    std::vector<ReportLine> lines;  // of one copy
    bool pagePerCopy = false;
};

[[nodiscard]] PrintedSheet printedSheet(const CalcState& state);

}  // namespace pilaro
