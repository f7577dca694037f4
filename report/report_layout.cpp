#include "report/report_layout.h"

#include <algorithm>
#include <cmath>

namespace pilaro {

std::vector<std::string> lineRuns(const ReportLine& line) {
    std::vector<std::string> runs(1);
    for (const ReportItem& item : line.items) {
        runs.back() += itemText(item);
        if (item.after == Separator::NextZone) runs.emplace_back();
        if (item.after == Separator::EndOfLine) break;
    }
    return runs;
}

std::vector<PlacedText> placeLine(const ReportLine& line, double column, const TextWidth& width) {
    const double zone = kZoneColumns * column;
    std::vector<PlacedText> placed;
    double x = (line.leadIn - 1) * column;
    for (std::string& run : lineRuns(line)) {
        if (!placed.empty()) {
            const double end = placed.back().x + width(placed.back().text);
            x = (std::floor(end / zone) + 1.0) * zone;
        }
        placed.push_back({x, std::move(run)});
    }
    return placed;
}

namespace {

double widestLine(const std::vector<ReportLine>& lines, const SizedFont& font, double pointSize) {
    const TextWidth width = [&font, pointSize](const std::string& text) {
        return font.width(text, pointSize);
    };
    const double column = font.column(pointSize);
    double widest = 0.0;
    for (const ReportLine& line : lines) {
        const PlacedText last = placeLine(line, column, width).back();
        widest = std::max(widest, last.x + width(last.text));
    }
    return widest;
}

}  // namespace

double fittingPointSize(const std::vector<ReportLine>& lines, double pageWidth,
                        const SizedFont& font) {
    double pointSize = kReportPointSize;
    for (int round = 0; round < 4; ++round) {
        const double widest = widestLine(lines, font, pointSize);
        if (widest <= pageWidth || pointSize <= kSmallestReportPointSize) break;
        pointSize = std::max(kSmallestReportPointSize, pointSize * pageWidth / widest * 0.98);
    }
    return pointSize;
}

}  // namespace pilaro
