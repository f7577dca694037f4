// The printed report of the page: the report lines of the state, placed on
// a page of a given width by the report's own zone and shrink rules.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "form/calc_state.h"
#include "report/report_layout.h"

namespace pilaro::web {

// The width of a text in the report's font at a point size, in the unit of
// the page width.
using SizedTextWidth = std::function<double(const std::string& text, double pointSize)>;

struct PrintedReport {
    double pointSize = kReportPointSize;
    std::vector<std::vector<PlacedText>> lines;  // x from the left margin
};

// A browser tells no font's average character width; the page's column is
// the average width of the 26 lowercase Latin letters.
[[nodiscard]] double pageColumn(const SizedTextWidth& width, double pointSize);

[[nodiscard]] PrintedReport printedReport(const CalcState& state, double pageWidth,
                                          const SizedTextWidth& width);

}  // namespace pilaro::web
