// The lines of one report copy, item by item, for the states a user can
// reach: fresh window, Design and Check runs, types and grades changed after
// a run.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "report/report_lines.h"
#include "tests/report/report_test_state.h"

namespace pilaro {
namespace {

using test::chooseCheck;
using test::chooseConcrete;
using test::chooseDesign;
using test::chooseSteel;
using test::freshState;
using test::pressRun;
using test::stateWithGrades;

// "5:" and the items: a value in brackets (so an unset one shows as "[]"),
// a string bare, a zone break as "|".
std::string describe(const ReportLine& line) {
    std::string out = std::to_string(line.leadIn) + ":";
    for (const ReportItem& item : line.items) {
        const bool isValue = std::holds_alternative<MaybeValue>(item.content);
        // Appended piece by piece: gcc 12 at -O3 reports a false overlap
        // (-Wrestrict) for "[" + text.
        if (isValue) out += '[';
        out += itemText(item);
        if (isValue) out += ']';
        if (item.after == Separator::NextZone) out += "|";
    }
    return out;
}

std::vector<std::string> describe(const CalcState& state) {
    std::vector<std::string> out;
    for (const ReportLine& line : reportLines(state)) out.push_back(describe(line));
    return out;
}

const std::string kTitle = "6:圆形Pilaro结果";
const std::string kGrades25And2 =
    "5:混凝土标号=[ 14500 ]KPa|混凝土弹性模量＝[ 28500000 ]KPa|钢筋强度=[ 340000 ]KPa|"
    "钢筋弹性模量=[ 200000000 ]KPa";
const std::string kNoGrades =
    "5:混凝土标号=[]KPa|混凝土弹性模量＝[]KPa|钢筋强度=[]KPa|钢筋弹性模量=[]KPa";
const std::string kNoInputs =
    "5:纵向力Nj＝[]KN|弯矩Mj=[]KN-m|直径＝[]m|保护层厚度=[]m|计算长度=[ 0 ]m";
const std::string kDesignInputs =
    "5:纵向力Nj＝[ 5000 ]KN|弯矩Mj=[ 3000 ]KN-m|直径＝[ 1.2 ]m|保护层厚度=[ .05 ]m|计算长度=[ 10 "
    "]m";
const std::string kCheckInputs =
    "5:纵向力Nj＝[ 5000 ]KN|弯矩Mj=[ 1500 ]KN-m|直径＝[ 1.2 ]m|保护层厚度=[ .05 ]m|计算长度=[ 10 "
    "]m";
const std::vector<std::string> kNoDesignResults = {
    "5:钢筋直径D12＝[]根|D14=[]|D16=[]|D18=[]|D20=[]",
    "5:D22=[]|D25=[]|D28=[]|D32=[]|D34=[]|D36=[ 0 ]",
    "5:纵向钢筋面积＝[ 0 ]cm2|配筋率＝[]",
    "5:系数ξ=[]|A=[]|B=[]|C=[]|D=[ 0 ]",
};
const std::vector<std::string> kDesignResults = {
    "5:钢筋直径D12＝[ 183 ]根|D14=[ 135 ]|D16=[ 103 ]|D18=[ 82 ]|D20=[ 66 ]",
    "5:D22=[ 55 ]|D25=[ 43 ]|D28=[ 34 ]|D32=[ 26 ]|D34=[ 23 ]|D36=[ 21 ]",
    "5:纵向钢筋面积＝[ 207.021 ]cm2|配筋率＝[ .0183 ]",
};
const std::string kDesignCoefficients =
    "5:系数ξ=[ .5167 ]|A=[ 1.22629 ]|B=[ .63692 ]|C=[ .07825 ]|D=[ 1.87936 ]";

const std::string kCheckCoefficients =
    "5:系数ξ=[ .596 ]|A=[ 1.47802 ]|B=[ .66451 ]|C=[ .46727 ]|D=[ 1.77673 ]";

// A block that the last run did not compute: labels and units only, not
// even the start values a fresh window prints.
const std::vector<std::string> kDesignLabelsOnly = {
    "5:钢筋直径D12＝[]根|D14=[]|D16=[]|D18=[]|D20=[]",
    "5:D22=[]|D25=[]|D28=[]|D32=[]|D34=[]|D36=[]",
    "5:纵向钢筋面积＝[]cm2|配筋率＝[]",
    "5:系数ξ=[]|A=[]|B=[]|C=[]|D=[]",
};
const std::vector<std::string> kCheckLabelsOnly = {
    "5:校核钢筋＝|纵向钢筋面积＝[]cm2",
    "5:竖直力Nq＝[]KN|弯矩Mq=[]KN-m|配筋率＝[]|校核结果＝",
    "5:系数ξ=[]|A=[]|B=[]|C=[]|D=[]",
};

std::vector<std::string> join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

struct Scenario {
    const char* name;
    std::function<CalcState()> make;
    std::vector<std::string> lines;
};

CalcState designRun() {
    CalcState s = stateWithGrades();
    chooseDesign(s);
    pressRun(s, 3000, 5000);
    return s;
}

CalcState checkRunAfterDesignRun() {
    CalcState s = designRun();
    chooseCheck(s);
    pressRun(s, 1500, 5000, 45.239);
    return s;
}

const std::vector<Scenario> kScenarios = {
    {"FreshWindowPrintsDesignBlockWithOnlyTheZeroStartValues", freshState,
     join({{kTitle, kNoGrades, kNoInputs}, kNoDesignResults})},
    {"RunWithoutTypeChangesNothing",
     [] {
         CalcState s = stateWithGrades();
         pressRun(s, 3000, 5000);
         return s;
     },
     join({{kTitle, kGrades25And2, kNoInputs}, kNoDesignResults})},
    {"CheckChosenBeforeAnyRun",
     [] {
         CalcState s = freshState();
         chooseCheck(s);
         return s;
     },
     {kTitle, kNoGrades, kNoInputs, "5:校核钢筋＝|纵向钢筋面积＝[]cm2",
      "5:竖直力Nq＝[]KN|弯矩Mq=[ 0 ]KN-m|配筋率＝[]|校核结果＝",
      "5:系数ξ=[]|A=[]|B=[]|C=[]|D=[ 0 ]"}},
    {"DesignRun", designRun,
     join({{kTitle, kGrades25And2, kDesignInputs}, kDesignResults, {kDesignCoefficients}})},
    // No check ran under these loads: no verdict, and not the design's
    // coefficients either.
    {"CheckChosenAfterDesignRunPrintsCheckLabelsOnly",
     [] {
         CalcState s = designRun();
         chooseCheck(s);
         return s;
     },
     join({{kTitle, kGrades25And2, kDesignInputs}, kCheckLabelsOnly})},
    // An empty given area sends a Check run down the design road; the
    // option, not the road, chooses the block, and the road fills it.
    {"CheckRunWithoutAreaTakesDesignRoadAndPrintsCheckLabelsOnly",
     [] {
         CalcState s = stateWithGrades();
         chooseCheck(s);
         pressRun(s, 3000, 5000);
         return s;
     },
     join({{kTitle, kGrades25And2, kDesignInputs}, kCheckLabelsOnly})},
    {"DesignChosenAfterCheckRunPrintsDesignLabelsOnly",
     [] {
         CalcState s = checkRunAfterDesignRun();
         chooseDesign(s);
         return s;
     },
     join({{kTitle, kGrades25And2, kCheckInputs}, kDesignLabelsOnly})},
    {"GradeChangedAfterRunShowsTheGradesTheRunUsed",
     [] {
         CalcState s = designRun();
         chooseConcrete(s, "40号");
         chooseSteel(s, "Ⅲ级");
         return s;
     },
     join({{kTitle, kGrades25And2, kDesignInputs}, kDesignResults, {kDesignCoefficients}})},
    // The stopped run's inputs and grades are printed; the results above
    // them belong to the earlier run, so none are.
    {"EnlargeSectionAfterDesignRunPrintsItsInputsAndNoResults",
     [] {
         CalcState s = designRun();
         if (pressRun(s, 36000, 60000) != CalcStatus::EnlargeSection) return CalcState{};
         return s;
     },
     join({{kTitle, kGrades25And2,
            "5:纵向力Nj＝[ 60000 ]KN|弯矩Mj=[ 36000 ]KN-m|直径＝[ 1.2 ]m|保护层厚度=[ .05 ]m|"
            "计算长度=[ 10 ]m"},
           kDesignLabelsOnly})},
    {"NegativeMomentKeepsItsSignInPlaceOfTheBlank",
     [] {
         CalcState s = stateWithGrades();
         s.lastInput.Mj = -1500;
         s.lastInput.Nj = 5000;
         s.lastInput.D = 1.2;
         s.lastInput.a = 0.05;
         s.lastInput.l0 = -0.5;
         return s;
     },
     join({{kTitle, kGrades25And2,
            "5:纵向力Nj＝[ 5000 ]KN|弯矩Mj=[-1500 ]KN-m|直径＝[ 1.2 ]m|保护层厚度=[ .05 ]m|"
            "计算长度=[-.5 ]m"},
           kNoDesignResults})},
};

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

class ReportLinesScenario : public ::testing::TestWithParam<Scenario> {};

TEST_P(ReportLinesScenario, LinesItemByItem) {
    const Scenario& scenario = GetParam();
    EXPECT_EQ(describe(scenario.make()), scenario.lines);
}

INSTANTIATE_TEST_SUITE_P(Report, ReportLinesScenario, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportLines, CheckRunPrintsGivenRatioAndVerdictNotDesignRatio) {
    const CalcState s = checkRunAfterDesignRun();
    ASSERT_EQ(s.result.rho, 0.0183);  // the design's ratio is still held
    const std::vector<std::string> lines = describe(s);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2], kCheckInputs);
    EXPECT_EQ(lines[3], "5:校核钢筋＝|纵向钢筋面积＝[ 45.239 ]cm2");
    EXPECT_EQ(lines[4],
              "5:竖直力Nq＝[ 6037.51 ]KN|弯矩Mq=[ 1809.547 ]KN-m|配筋率＝[ .004 ]|"
              "校核结果＝通过验算！");
    EXPECT_EQ(lines[5], kCheckCoefficients);
}

// The steel checked stands on the sheet as it was typed, with the area it
// gives: 24 bars of 28 mm are 24 x 6.158 cm2.
TEST(ReportLines, CheckPrintsTheSteelAsTypedAndItsArea) {
    CalcState s = stateWithGrades();
    chooseCheck(s);
    CalcInput in;
    in.type = CalcType::Check;
    in.Nj = 5000;
    in.Mj = 3000;
    in.D = 1.2;
    in.a = 0.05;
    in.l0 = 10;
    in.Ag = 147.792;
    in.Ra = s.Ra;
    in.Eh = s.Eh;
    in.Rg = s.Rg;
    in.Eg = s.Eg;
    ASSERT_EQ(runCalculation(s, in, "24D28"), CalcStatus::Done);
    const std::vector<std::string> lines = describe(s);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "5:校核钢筋＝24D28|纵向钢筋面积＝[ 147.792 ]cm2");
    // A design after it keeps no steel of the check: its block is chosen
    // by the option, and the design road gives none.
    chooseDesign(s);
    in.type = CalcType::Design;
    in.Ag = 0.0;
    ASSERT_EQ(runCalculation(s, in, "24D28"), CalcStatus::Done);
    EXPECT_EQ(s.lastSteelText, "");
    chooseCheck(s);
    EXPECT_EQ(describe(s)[3], "5:校核钢筋＝|纵向钢筋面积＝[]cm2");
}

// Which labels end in the full-width sign U+FF1D and which in ASCII "=",
// written with escapes so that a slip of the keyboard cannot hide here.
TEST(ReportLines, EqualsSignsOfEveryLabel) {
    const std::string full = "\uFF1D";
    const std::vector<std::string> fullWidth = {
        "\u6DF7\u51DD\u571F\u5F39\u6027\u6A21\u91CF",  // 混凝土弹性模量
        "\u7EB5\u5411\u529BNj",                        // 纵向力Nj
        "\u76F4\u5F84",                                // 直径
        "\u94A2\u7B4B\u76F4\u5F84D12",                 // 钢筋直径D12
        "\u7EB5\u5411\u94A2\u7B4B\u9762\u79EF",        // 纵向钢筋面积
        "\u914D\u7B4B\u7387",                          // 配筋率
        "\u7AD6\u76F4\u529BNq",                        // 竖直力Nq
        "\u6821\u6838\u7ED3\u679C",                    // 校核结果
        "\u6821\u6838\u94A2\u7B4B",                    // 校核钢筋
    };
    std::vector<std::string> seenFull;
    std::vector<std::string> seenAscii;
    for (const CalcState& s : {designRun(), checkRunAfterDesignRun()}) {
        for (const ReportLine& line : reportLines(s)) {
            for (const ReportItem& item : line.items) {
                const auto* text = std::get_if<std::string>(&item.content);
                if (!text) continue;
                if (text->ends_with(full)) seenFull.push_back(text->substr(0, text->size() - 3));
                if (text->ends_with("=")) seenAscii.push_back(text->substr(0, text->size() - 1));
            }
        }
    }
    for (const std::string& stem : fullWidth)
        EXPECT_NE(std::find(seenFull.begin(), seenFull.end(), stem), seenFull.end()) << stem;
    for (const std::string& stem : seenFull)
        EXPECT_NE(std::find(fullWidth.begin(), fullWidth.end(), stem), fullWidth.end()) << stem;
    const std::vector<std::string> ascii = {
        "\u6DF7\u51DD\u571F\u6807\u53F7",        // 混凝土标号
        "\u94A2\u7B4B\u5F3A\u5EA6",              // 钢筋强度
        "\u94A2\u7B4B\u5F39\u6027\u6A21\u91CF",  // 钢筋弹性模量
        "\u5F2F\u77E9Mj",
        "\u5F2F\u77E9Mq",                  // 弯矩Mj, 弯矩Mq
        "\u4FDD\u62A4\u5C42\u539A\u5EA6",  // 保护层厚度
        "\u8BA1\u7B97\u957F\u5EA6",        // 计算长度
        "\u7CFB\u6570\u03BE",              // 系数ξ
        "D14",
        "D16",
        "D18",
        "D20",
        "D22",
        "D25",
        "D28",
        "D32",
        "D34",
        "D36",
        "A",
        "B",
        "C",
        "D",
    };
    for (const std::string& stem : ascii)
        EXPECT_NE(std::find(seenAscii.begin(), seenAscii.end(), stem), seenAscii.end()) << stem;
    for (const std::string& stem : seenAscii)
        EXPECT_NE(std::find(ascii.begin(), ascii.end(), stem), ascii.end()) << stem;
}

TEST(ReportLines, ValueTextIsNumberTextAndOneBlankOrNothing) {
    struct Case {
        MaybeValue value;
        const char* text;
    };
    const Case cases[] = {
        {14500.0, " 14500 "},   {-1500.0, "-1500 "}, {0.0, " 0 "},  {0.5656, " .5656 "},
        {-0.12345, "-.12345 "}, {std::nullopt, ""},  {-0.0, " 0 "},
    };
    for (const Case& c : cases) EXPECT_EQ(itemText({ItemContent{c.value}}), c.text);
    EXPECT_EQ(itemText({ItemContent{std::string("KPa")}}), "KPa");
}

}  // namespace
}  // namespace pilaro
