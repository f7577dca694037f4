// The lines of one copy of the printed sheet of a run under the current
// code (JTG 3362-2018): what an engineer files with the design. The title
// names the method; then the section, the grades with their strengths, γ0
// and the loads; e0 (and its floor where it applied); the slenderness and
// η with ζ1 and ζ2, or that η is not considered; the section's state and
// capacities, φ, Nmax and the utilisation; the steel checked or designed;
// the verdict. Every figure is the text of its read-out.
#pragma once

#include <vector>

#include "form/calc_state.h"
#include "report/report_lines.h"

namespace pilaro {

// The sheet of the current code's last run with figures (state.current).
[[nodiscard]] std::vector<ReportLine> currentReportLines(const CurrentCodeState& current);

}  // namespace pilaro
