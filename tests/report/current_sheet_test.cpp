// The printed sheet of a run under JTG 3362-2018, line by line: the title
// names the method, γ0 and the grades' strengths stand with the loads, e0
// notes its floor, η is given with ζ1 and ζ2 or not considered, and the
// steel of a check or a design, then the verdict. Figures worked out by
// hand where the code's formulas give them, else pilaro-batch's cells for
// the same row.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_events.h"
#include "form/method_choice.h"
#include "report/printed_sheet.h"
#include "report/report_layout.h"

namespace pilaro {
namespace {

using Texts = std::map<std::string, std::string, std::less<>>;
using Lines = std::vector<std::vector<std::string>>;

// The sheet of one run under the current code, as runs between zones.
PrintedSheet sheetOf(const Texts& texts, const char* option) {
    CalcState state;
    pickEntry(state, "cbomethod", methodEntries()[1]);
    for (const char* list : {"cbogamma", "cbohnt", "cbogj"}) pickEntry(state, list, texts.at(list));
    chooseOption(state, option);
    const RunOutcome outcome = pressRun(state, [&texts](std::string_view name) {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    });
    EXPECT_TRUE(outcome.shown) << outcome.message;
    return printedSheet(state);
}

// Each run without the blanks that end it, which keep it from the next.
Lines runsOf(const PrintedSheet& sheet) {
    Lines lines;
    for (const ReportLine& line : sheet.lines) {
        lines.emplace_back();
        for (std::string run : lineRuns(line)) {
            while (!run.empty() && run.back() == ' ') run.pop_back();
            lines.back().push_back(run);
        }
    }
    return lines;
}

const Texts kPier = {{"cbogamma", "1.1（一级）"}, {"cbohnt", "C30"}, {"cbogj", "HRB400"},
                     {"txtnj", "5000"},           {"txtmj", "3000"}, {"txtzd", "1.2"},
                     {"txtbc", "0.05"},           {"txtlj", "10"}};

// The pier of the example table: l0/i = 10 / 0.3 = 33.34 (up); h0 = 0.6 +
// 0.55 = 1.15 m, ζ1 = min(1, 0.2 + 2.7 x 0.6 / 1.15) = 1, ζ2 = min(1, 1.15 -
// 0.01 x 10 / 1.2) = 1, η = 1 + (10 / 1.2)² / (1300 x 0.6 / 1.15) = 1.10239
// (1.1024 up), e = 0.66143 m; γ0Nd = 5500.00 kN.
const Lines kPierHead = {
    {"圆形Pilaro结果", "按 JTG 3362-2018 计算"},
    {"直径D＝1.2 m", "保护层厚度a＝0.05 m", "计算长度l0＝10 m"},
    {"混凝土C30，fcd＝13.8 MPa", "钢筋HRB400，fsd＝330 MPa，f'sd＝330 MPa"},
    {"结构重要性系数γ0＝1.1", "Nd＝5000 kN", "Md＝3000 kN·m", "γ0Nd＝5500.00 kN"},
    {"偏心距e0＝0.6000 m"},
    {"l0/i＝33.34", "η＝1.1024", "ζ1＝1.0000", "ζ2＝1.0000", "e＝ηe0＝0.6614 m"},
};

Lines withHead(const char* road, Lines rest) {
    Lines lines = kPierHead;
    lines[0].push_back(road);
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

TEST(CurrentSheet, ACheckNamesItsSteelAsTypedAndItsArea) {
    Texts texts = kPier;
    texts["txtag1"] = "28D28";
    const PrintedSheet sheet = sheetOf(texts, "optqd");
    // 28 bars of π x 2.8² / 4 = 6.15752 cm² are 172.4106 cm², shown down.
    EXPECT_EQ(runsOf(sheet),
              withHead("强度校核",
                       {{"α＝0.4253", "αt＝0.3995", "Nud＝5659.88 kN", "Mud＝3743.62 kN·m"},
                        {"φ＝0.9822", "Nmax＝18826.53 kN", "利用率γ0Nd/min(Nud, Nmax)＝0.972"},
                        {"校核钢筋＝28D28", "纵向钢筋面积＝172.41 cm2", "配筋率＝0.0152"},
                        {"校核结果＝通过验算！"}}));
    // One page each copy.
    EXPECT_TRUE(sheet.pagePerCopy);
}

TEST(CurrentSheet, ADesignGivesItsAreaRatioAndBarCounts) {
    EXPECT_EQ(runsOf(sheetOf(kPier, "optpj")),
              withHead("配筋计算",
                       {{"α＝0.4219", "αt＝0.4062", "Nud＝5500.17 kN", "Mud＝3637.98 kN·m"},
                        {"φ＝0.9822", "Nmax＝18576.51 kN", "利用率γ0Nd/min(Nud, Nmax)＝1.000"},
                        {"纵向钢筋面积＝163.84 cm2", "配筋率＝0.0145"},
                        {"钢筋根数（根）："},
                        {"D12＝145", "D14＝107", "D16＝82", "D18＝65", "D20＝53", "D22＝44"},
                        {"D25＝34", "D28＝27", "D32＝21", "D36＝17", "D40＝14"},
                        {"校核结果＝通过验算！"}}));
}

// A stocky member: l0/i = 4 / 0.25 = 16 ≤ 17.5, so η is not considered;
// |Md| / Nd = 0.00625 m is below max(0.02, 1.0 / 30) = 0.0333 m, the floor.
// HRB500 with its two strengths, γ0 0.9: γ0Nd = 7200.00 kN.
TEST(CurrentSheet, AStockyMemberAtE0sFloorSaysSo) {
    const Texts texts = {{"cbogamma", "0.9（三级）"}, {"cbohnt", "C40"}, {"cbogj", "HRB500"},
                         {"txtnj", "8000"},           {"txtmj", "50"},   {"txtzd", "1.0"},
                         {"txtbc", "0.06"},           {"txtlj", "4"},    {"txtag1", "16D25"}};
    const Lines lines = runsOf(sheetOf(texts, "optqd"));
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[2], (std::vector<std::string>{"混凝土C40，fcd＝18.4 MPa",
                                                  "钢筋HRB500，fsd＝415 MPa，f'sd＝400 MPa"}));
    EXPECT_EQ(lines[3], (std::vector<std::string>{"结构重要性系数γ0＝0.9", "Nd＝8000 kN",
                                                  "Md＝50 kN·m", "γ0Nd＝7200.00 kN"}));
    EXPECT_EQ(lines[4], (std::vector<std::string>{"偏心距e0＝0.0333 m",
                                                  "（|Md|/Nd小于下限max(20 mm, D/30)，取下限）"}));
    EXPECT_EQ(lines[5], (std::vector<std::string>{"l0/i＝16.00", "η：不考虑（l0/i≤17.5）"}));
    // 16 bars of π x 2.5² / 4 = 4.90874 cm² are 78.5398 cm².
    EXPECT_EQ(lines[8], (std::vector<std::string>{"校核钢筋＝16D25", "纵向钢筋面积＝78.53 cm2",
                                                  "配筋率＝0.0100"}));
}

// A section to enlarge prints its capacities at 5 % and says so where a
// design's area would stand.
TEST(CurrentSheet, ASectionToEnlargeSaysSo) {
    const Texts texts = {{"cbogamma", "1.1（一级）"}, {"cbohnt", "C25"}, {"cbogj", "HPB300"},
                         {"txtnj", "30000"},          {"txtmj", "9000"}, {"txtzd", "1.0"},
                         {"txtbc", "0.05"},           {"txtlj", "8"}};
    const Lines lines = runsOf(sheetOf(texts, "optpj"));
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3],
              (std::vector<std::string>{"φ＝0.9866", "Nmax＝16337.18 kN",
                                        "利用率γ0Nd/min(Nud, Nmax)＝3.744"}));
    EXPECT_EQ(lines[lines.size() - 2],
              (std::vector<std::string>{"配筋率＝0.0500时", "应加大截面尺寸！"}));
    EXPECT_EQ(lines.back(), (std::vector<std::string>{"校核结果＝重新配筋！"}));
}

// Steel typed as 0 is checked: the section has no state that carries a
// load at e = 0.66 m > r = 0.6 m, so Nud and Mud are 0 and there is no
// utilisation to print. φ = 1 - 0.02 x (8.333 - 7) / 1.5 = 0.98222 (0.9822
// down), Nmax = 0.9 x 0.98222 x 13.8 MPa x π 0.36 m² = 13796.970 kN.
TEST(CurrentSheet, ACheckOfNoSteelCarriesNothing) {
    Texts texts = kPier;
    texts["cbogamma"] = "1.0（二级）";
    texts["txtag1"] = "0";
    const Lines lines = runsOf(sheetOf(texts, "optqd"));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(
        lines[lines.size() - 4],
        (std::vector<std::string>{"α＝0.0000", "αt＝1.2500", "Nud＝0.00 kN", "Mud＝0.00 kN·m"}));
    EXPECT_EQ(lines[lines.size() - 3],
              (std::vector<std::string>{"φ＝0.9822", "Nmax＝13796.97 kN"}));
    EXPECT_EQ(
        lines[lines.size() - 2],
        (std::vector<std::string>{"校核钢筋＝0", "纵向钢筋面积＝0.00 cm2", "配筋率＝0.0000"}));
    EXPECT_EQ(lines.back(), (std::vector<std::string>{"校核结果＝重新配筋！"}));
}

}  // namespace
}  // namespace pilaro
