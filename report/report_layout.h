// Where the texts of one report line go across the page: the lead-in and
// the print zones, in whatever unit the printer measures text in.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "report/report_lines.h"

namespace pilaro {

// Print zones begin every 14 columns; a column is the average character
// width of the printer's font.
inline constexpr int kZoneColumns = 14;

// A text drawn at one place on the line, `x` from the left margin.
struct PlacedText {
    double x = 0.0;
    std::string text;
};

// The width a text takes on the page.
using TextWidth = std::function<double(const std::string& text)>;

// The texts between zone breaks, each the adjacent items run together.
[[nodiscard]] std::vector<std::string> lineRuns(const ReportLine& line);

// Places the runs of `line`. The lead-in n is read as "move to column n",
// column 1 being the left margin, so the first run starts n - 1 columns in
// (the title at 5 columns, every other line at 4). After a zone break the
// next run starts at the first zone start strictly right of where the
// previous run ended, so two runs never touch even when one ends exactly on
// a zone start.
[[nodiscard]] std::vector<PlacedText> placeLine(const ReportLine& line, double column,
                                                const TextWidth& width);

// The report's font at one point size: its column and the width of a text,
// in the unit of the page width.
struct SizedFont {
    std::function<double(double pointSize)> column;
    std::function<double(const std::string& text, double pointSize)> width;
};

inline constexpr double kReportPointSize = 10.0;
inline constexpr double kSmallestReportPointSize = 4.0;

// The point size the report is printed at: 10, or smaller when the widest
// line would run past `pageWidth`, so that no value is cut off at the right
// edge. Text widths need not scale exactly with the size, hence a few rounds
// of measuring; it never goes below 4.
[[nodiscard]] double fittingPointSize(const std::vector<ReportLine>& lines, double pageWidth,
                                      const SizedFont& font);

}  // namespace pilaro
