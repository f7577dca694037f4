// The lead-in and the print zones, measured in columns with a text width
// of one column per character.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report_layout.h"
#include "tests/report/report_test_state.h"

namespace pilaro {
namespace {

// One column per code point of UTF-8 text.
double characters(const std::string& text) {
    double n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

ReportItem text(std::string s, Separator after) {
    return {ItemContent{std::move(s)}, after};
}

constexpr Separator kAdjacent = Separator::Adjacent;
constexpr Separator kZone = Separator::NextZone;
constexpr Separator kEnd = Separator::EndOfLine;

struct LayoutCase {
    const char* name;
    ReportLine line;
    std::vector<double> starts;  // in columns
};

const std::vector<LayoutCase> kCases = {
    // The lead-in n moves to column n; column 1 is the left margin.
    {"TitleLeadIn", {6, {text("T", kEnd)}}, {5}},
    {"OtherLeadIn", {5, {text("L", kEnd)}}, {4}},
    {"ZoneAfterShortRun", {5, {text("abc", kZone), text("x", kEnd)}}, {4, 14}},
    // A run ending exactly on a zone start moves on to the next one.
    {"RunEndingOnZoneStart", {1, {text("abcdefghijklmn", kZone), text("x", kEnd)}}, {0, 28}},
    {"RunEndingJustBeforeZoneStart", {1, {text("abcdefghijklm", kZone), text("x", kEnd)}}, {0, 14}},
    {"RunLongerThanOneZone",
     {5, {text("abcdefghijklmnopqrstuvwxyz", kZone), text("x", kEnd)}},
     {4, 42}},
    {"AdjacentItemsShareTheirRun",
     {5, {text("ab", kAdjacent), text("cdefgh", kZone), text("x", kZone), text("y", kEnd)}},
     {4, 14, 28}},
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.name;
}

class PlaceLine : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(PlaceLine, RunStarts) {
    for (double column : {1.0, 73.0}) {
        std::vector<double> starts;
        for (const PlacedText& placed : placeLine(GetParam().line, column, [column](const auto& t) {
                 return characters(t) * column;
             }))
            starts.push_back(placed.x / column);
        EXPECT_EQ(starts, GetParam().starts) << "column " << column;
    }
}

INSTANTIATE_TEST_SUITE_P(Report, PlaceLine, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportLayout, UnsetCountsLeaveLabelAndUnitTogether) {
    const std::vector<ReportLine> lines = reportLines(test::freshState());
    EXPECT_EQ(lineRuns(lines[3]),
              (std::vector<std::string>{"钢筋直径D12＝根", "D14=", "D16=", "D18=", "D20="}));
    EXPECT_EQ(lineRuns(lines[1]), (std::vector<std::string>{"混凝土标号=KPa", "混凝土弹性模量＝KPa",
                                                            "钢筋强度=KPa", "钢筋弹性模量=KPa"}));
    // 钢筋直径D12＝根 is 9 characters from column 4: the next zone is 14.
    const auto placed = placeLine(lines[3], 1.0, characters);
    ASSERT_EQ(placed.size(), 5u);
    EXPECT_EQ(placed[1].x, 14);
    EXPECT_EQ(placed[4].x, 56);
}

TEST(ReportLayout, ValuesRunIntoTheirLabelAndUnit) {
    CalcState s = test::stateWithGrades();
    EXPECT_EQ(lineRuns(reportLines(s)[1]),
              (std::vector<std::string>{"混凝土标号= 14500 KPa", "混凝土弹性模量＝ 28500000 KPa",
                                        "钢筋强度= 340000 KPa", "钢筋弹性模量= 200000000 KPa"}));
}

// Text widths proportional to the point size, one column per character at
// `perPoint` points: the widest line at size s is then widest10 * s / 10.
SizedFont linearFont(double perPoint) {
    return {[perPoint](double pt) { return perPoint * pt; },
            [perPoint](const std::string& t, double pt) { return characters(t) * perPoint * pt; }};
}

TEST(ReportLayout, FittingPointSize) {
    // One line of 40 columns from column 4, at half a point per point of size.
    const std::vector<ReportLine> lines = {{5, {text(std::string(40, 'x'), kEnd)}}};
    const double widest10 = (4 + 40) * 0.5 * 10;  // 220
    struct Case {
        double pageWidth;
        double expected;
    };
    for (const Case& c : {
             Case{1000, 10},                         // fits: stays at 10
             Case{widest10, 10},                     // fits exactly
             Case{110, 10 * 110 / widest10 * 0.98},  // half as wide: one round
             Case{10, 4},                            // never below 4
         })
        EXPECT_DOUBLE_EQ(fittingPointSize(lines, c.pageWidth, linearFont(0.5)), c.expected)
            << "page " << c.pageWidth;
}

}  // namespace
}  // namespace pilaro
