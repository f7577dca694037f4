#include "report/printed_sheet.h"

#include "report/current_report_lines.h"

namespace pilaro {

PrintedSheet printedSheet(const CalcState& state) {
    if (state.method == table::Method::Jtg3362) return {currentReportLines(state.current), true};
    return {reportLines(state), false};
}

}  // namespace pilaro
