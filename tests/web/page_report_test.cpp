// The page's printed report: the report lines placed by the zone rule in
// the page's own column, and shrunk to the page's width.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/form_events.h"
#include "web/page_report.h"

namespace pilaro::web {
namespace {

// One unit per character at 10 points.
double characters(const std::string& text, double pointSize) {
    double n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n * pointSize / 10;
}

CalcState designedPier() {
    CalcState state;
    pickEntry(state, "cbohnt", "25号");
    pickEntry(state, "cbogj", "\u2161级");
    chooseOption(state, "optpj");
    const auto outcome = pressRun(state, [](std::string_view name) -> std::string {
        if (name == "txtnj") return "5000";
        if (name == "txtmj") return "3000";
        if (name == "txtzd") return "1.2";
        if (name == "txtbc") return "0.05";
        if (name == "txtlj") return "10";
        if (name == "cbohnt") return "25号";
        if (name == "cbogj") return "\u2161级";
        return "";
    });
    EXPECT_EQ(outcome.status, CalcStatus::Done);
    return state;
}

TEST(PageReport, ColumnIsTheLowercaseAverage) {
    EXPECT_EQ(pageColumn(characters, 10), 1.0);
    EXPECT_EQ(pageColumn([](const std::string&, double pt) { return 2.6 * pt; }, 5), 0.5);
}

TEST(PageReport, RunsStandOnZonesOfFourteenColumns) {
    const PrintedReport report = printedReport(designedPier(), 1000, characters);
    EXPECT_EQ(report.pointSize, 10);
    ASSERT_EQ(report.lines.size(), 7u);
    // "混凝土标号= 14500 KPa" is 17 characters from column 4 and ends at 21,
    // so the next run starts on the zone at 28; then 28 + 21 = 49 -> 56,
    // and 56 + 17 = 73 -> 84. The title starts one column further in.
    const std::vector<PlacedText>& materials = report.lines[1];
    ASSERT_EQ(materials.size(), 4u);
    EXPECT_EQ(materials[0].text, "混凝土标号= 14500 KPa");
    EXPECT_EQ(materials[1].text, "混凝土弹性模量＝ 28500000 KPa");
    const std::vector<double> starts = {materials[0].x, materials[1].x, materials[2].x,
                                        materials[3].x};
    EXPECT_EQ(starts, (std::vector<double>{4, 28, 56, 84}));
    EXPECT_EQ(report.lines[0][0].x, 5);
    EXPECT_EQ(report.lines[5][0].text, "纵向钢筋面积＝ 207.021 cm2");
}

TEST(PageReport, ANarrowPageShrinksTheWholeReport) {
    const double page = 80;
    const PrintedReport report = printedReport(designedPier(), page, characters);
    EXPECT_LT(report.pointSize, 10);
    for (const auto& line : report.lines) {
        const PlacedText& last = line.back();
        EXPECT_LE(last.x + characters(last.text, report.pointSize), page) << last.text;
    }
}

}  // namespace
}  // namespace pilaro::web
