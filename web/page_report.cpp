#include "web/page_report.h"

#include "report/printed_sheet.h"

namespace pilaro::web {

double pageColumn(const SizedTextWidth& width, double pointSize) {
    return width("abcdefghijklmnopqrstuvwxyz", pointSize) / 26;
}

PrintedReport printedReport(const CalcState& state, double pageWidth, const SizedTextWidth& width) {
    const std::vector<ReportLine> lines = printedSheet(state).lines;
    const SizedFont font{[&width](double pointSize) { return pageColumn(width, pointSize); },
                         width};
    PrintedReport report;
    report.pointSize = fittingPointSize(lines, pageWidth, font);
    const double column = font.column(report.pointSize);
    for (const ReportLine& line : lines)
        report.lines.push_back(placeLine(
            line, column, [&](const std::string& text) { return width(text, report.pointSize); }));
    return report;
}

}  // namespace pilaro::web
