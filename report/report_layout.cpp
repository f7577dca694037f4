#include "report/report_layout.h"

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

}  // namespace pilaro
