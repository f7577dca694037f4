// Rows of the current code (JTG 3362-2018) in a load-case table: their
// cells read, run and written as the output's columns, against an
// independent evaluation of the code's equations (tests/jtg3362/reference)
// and e0 and η worked out here; and what a table refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "table/cell_values.h"
#include "table/row_input.h"
#include "table/row_method.h"
#include "table/row_outcome.h"
#include "table/row_writer.h"
#include "table/sheet_cells.h"
#include "tests/jtg3362/reference.h"

namespace pilaro::test {
namespace {

using jtg3362::test::Case;
using jtg3362::test::referenceCheck;
using jtg3362::test::referenceLeastArea;
using jtg3362::test::referenceLeastRatioArea;

const std::vector<std::string> kHeader = {"名称",     "类型",     "混凝土标号", "钢筋等级",
                                          "轴向力",   "弯矩",     "直径",       "保护层",
                                          "计算长度", "钢筋面积", "钢筋",       "γ0"};

table::RowOutcome runCells(const std::vector<std::string>& cells) {
    messages::Message error;
    const std::optional<table::ColumnMap> columns = table::readHeader(kHeader, error);
    EXPECT_TRUE(columns) << error.english;
    return table::runRow(table::readRow({2, cells}, *columns, {}));
}

// The row's output cells after statusText, by column name.
std::map<std::string, std::string> resultsOf(const table::RowOutcome& o) {
    const table::OutputLayout layout{true};
    const std::vector<std::string> names = table::outputColumnNames(layout);
    const std::vector<std::string> cells = table::resultCells(o, layout);
    std::map<std::string, std::string> byName;
    const std::size_t first = names.size() - cells.size();
    for (std::size_t i = 0; i < cells.size(); ++i) byName[std::string(names[first + i])] = cells[i];
    return byName;
}

double number(const std::string& text) {
    const table::NumberCell n = table::readNumber(text);
    EXPECT_EQ(n.problem, table::NumberProblem::None) << text;
    return n.value;
}

struct Section {
    const char* concrete;
    const char* steel;
    const char* gamma0;  // as typed; empty for 1.0
    double Nd, Md, D, a, l0;
    const char* bars;  // a check's; empty for a design
};

// Every concrete and steel, each γ0 and none, stocky and slender members,
// and an eccentricity from below the floor (e0 = D / 30) to 5 D.
const Section kSections[] = {
    {"C25", "HPB300", "", 3000, 0, 1.0, 0.05, 4, "20D25"},
    {"C30", "HRB400", "1.1", 6200, 1850, 1.2, 0.05, 10, "24D28"},
    {"C35", "HRBF400", "0.9", 5000, 3000, 1.2, 0.06, 14, "30D28"},
    {"C40", "RRB400", "1.0", 8000, 400, 1.5, 0.07, 24, "32D25"},
    {"C45", "HRB500", "1.1", 2500, 2500, 1.0, 0.05, 30, "26D32"},
    {"C50", "HRB400", "", 12000, 6000, 1.8, 0.08, 12, "40D28"},
    {"C55", "HPB300", "0.9", 900, 4500, 0.9, 0.05, 6, "24D32"},
    {"C60", "HRB500", "", 20000, 1000, 2.0, 0.07, 40, "48D32"},
    {"c65", "hrb400", "1.1", 15000, 9000, 2.0, 0.07, 20, "44D36"},
    {"C70", "RRB400", "", 7000, 7000, 1.4, 0.06, 8, "28D25+4D20"},
    {"C75", "HRBF400", "1.0", 30000, 2000, 2.5, 0.08, 50, "60D32"},
    {"C80", "HRB500", "0.9", 400, 2000, 0.8, 0.05, 33, "16D40"},
    {"C30", "HRB400", "1.1", 6200, 1850, 1.2, 0.05, 10, ""},
    {"C40", "HRB500", "", 9000, 4000, 1.5, 0.06, 22, ""},
    {"C50", "HPB300", "0.9", 1500, 6000, 1.2, 0.05, 6, ""},
    {"C80", "RRB400", "1.1", 25000, 500, 1.6, 0.06, 30, ""},
    {"C25", "HRB400", "", 2000, 30, 0.6, 0.04, 3, ""},
};

// The area of bars as the code's text gives it, π d² / 4 with π written
// out: "28D25+4D20" is 28 bars of 25 mm and 4 of 20.
double barsArea(const std::string& bars) {
    double area = 0;
    std::size_t at = 0;
    while (at < bars.size()) {
        const std::size_t d = bars.find('D', at);
        const std::size_t plus = bars.find('+', d);
        const double n = std::stod(bars.substr(at, d - at));
        const double diameter = std::stod(bars.substr(d + 1, plus - d - 1));
        area += n * 3.141592653589793 * diameter * diameter / 400;
        at = plus == std::string::npos ? bars.size() : plus + 1;
    }
    return area;
}

// e0 with its floor and η, from the code's formulas.
struct Eccentricity {
    double e0, eta;
};

Eccentricity handEccentricity(const Section& s) {
    const double e0 = std::max(std::fabs(s.Md) / s.Nd, std::max(0.02, s.D / 30));
    if (s.l0 / (s.D / 4) <= 17.5) return {e0, 1.0};
    const double h0 = s.D / 2 + (s.D / 2 - s.a);
    const double zeta1 = std::min(1.0, 0.2 + 2.7 * e0 / h0);
    const double zeta2 = std::min(1.0, 1.15 - 0.01 * s.l0 / s.D);
    return {e0, 1 + (s.l0 / s.D) * (s.l0 / s.D) * zeta1 * zeta2 / (1300 * e0 / h0)};
}

std::vector<std::string> cellsOf(const Section& s) {
    const auto text = [](double v) {
        std::string t = std::to_string(v);
        t.erase(t.find_last_not_of('0') + 1);
        if (t.back() == '.') t.pop_back();
        return t;
    };
    const bool check = s.bars[0] != '\0';
    return {"case",     check ? "强度校核" : "配筋计算",
            s.concrete, s.steel,
            text(s.Nd), text(s.Md),
            text(s.D),  text(s.a),
            text(s.l0), "",
            s.bars,     s.gamma0};
}

// Within 0.05 % (and the last shown decimal) below the reference, never
// above it.
void expectCapacity(const std::string& shown, long double reference, const char* what) {
    const double value = number(shown);
    EXPECT_LE(value, reference + 1e-9L) << what;
    EXPECT_GE(value, reference * (1 - 0.0005L) - 0.01L) << what;
}

TEST(CurrentCodeRows, CellsAgreeWithAnIndependentEvaluation) {
    std::map<std::string, int> verdicts;  // of the checks: both are among them
    for (const Section& s : kSections) {
        SCOPED_TRACE(std::string(s.concrete) + " " + s.steel + " " + s.bars + " Nd " +
                     std::to_string(s.Nd) + " Md " + std::to_string(s.Md));
        const table::RowOutcome o = runCells(cellsOf(s));
        ASSERT_EQ(o.status, "done") << o.message;
        std::map<std::string, std::string> cell = resultsOf(o);
        EXPECT_EQ(cell["method"], "JTG 3362-2018");
        EXPECT_EQ(cell["gamma0"], s.gamma0);
        for (const char* archived : {"xi", "coefA", "coefB", "coefC", "coefD", "Nq", "Mq", "D34"})
            EXPECT_EQ(cell[archived], "") << archived;

        const double gamma0 = s.gamma0[0] ? std::stod(s.gamma0) : 1.0;
        const Case c{table::readCurrentConcrete(s.concrete)->text.data(),
                     table::readCurrentSteel(s.steel)->text.data(),
                     gamma0,
                     s.Nd,
                     s.Md,
                     s.D,
                     s.a,
                     s.l0,
                     0};
        const bool check = s.bars[0] != '\0';
        const double A = std::numbers::pi * s.D * s.D / 4;
        double As = 0;
        if (check) {
            As = barsArea(s.bars);
            // A ratio within the arithmetic's noise of a decimal shows as it.
            EXPECT_LE(number(cell["rhoGiven"]), As / 10000 / A * (1 + 1e-12));
            EXPECT_GT(number(cell["rhoGiven"]), As / 10000 / A - 0.0001);
        } else {
            const std::optional<long double> least = referenceLeastArea(c);
            ASSERT_TRUE(least);
            const long double floor = std::max(*least, referenceLeastRatioArea(c));
            As = number(cell["AgRequired"]);
            EXPECT_GE(As, floor - 1e-5L);
            EXPECT_LE(As, floor + 0.02L);
            EXPECT_GE(number(cell["rho"]), As / 10000 / A);
            const char* sizes[] = {"D12", "D14", "D16", "D18", "D20", "D22",
                                   "D25", "D28", "D32", "D36", "D40"};
            const int diameters[] = {12, 14, 16, 18, 20, 22, 25, 28, 32, 36, 40};
            for (std::size_t i = 0; i < std::size(sizes); ++i) {
                const double n = number(cell[sizes[i]]);
                const double bar = std::numbers::pi * diameters[i] * diameters[i] / 400;
                EXPECT_GE(n, 8) << sizes[i];
                EXPECT_GE(n * bar, As) << sizes[i];
                if (n > 8) {
                    EXPECT_LT((n - 1) * bar, As) << sizes[i];
                }
            }
        }
        const auto reference = referenceCheck(c, As);
        expectCapacity(cell["Nu"], reference.Nud, "Nu");
        expectCapacity(cell["NuAxial"], reference.Nmax, "NuAxial");
        EXPECT_NEAR(number(cell["Mu"]), static_cast<double>(reference.Mud),
                    0.0005 * static_cast<double>(reference.Mud) + 0.01);
        EXPECT_NEAR(number(cell["alpha"]), static_cast<double>(reference.alpha), 0.0001);
        EXPECT_LE(number(cell["phi"]), reference.phi + 1e-12L);
        EXPECT_GE(number(cell["phi"]), reference.phi - 0.0001L);

        const Eccentricity hand = handEccentricity(s);
        EXPECT_NEAR(number(cell["e0"]), hand.e0, 0.00005);
        EXPECT_GE(number(cell["eta"]), hand.eta - 1e-12);
        EXPECT_LE(number(cell["eta"]), hand.eta + 0.0001);

        // The verdict and utilisation of γ0 Nd against the lesser capacity.
        const long double capacity = std::min(reference.Nud, reference.Nmax);
        const long double load = gamma0 * s.Nd;
        const long double utilisation = load / capacity;
        EXPECT_GE(number(cell["utilisation"]), utilisation - 1e-12L);
        EXPECT_LE(number(cell["utilisation"]), utilisation * (1 + 0.0005L) + 0.001L);
        if (std::fabs(load - capacity) > 0.02L) {
            EXPECT_EQ(cell["verdict"], reference.passes ? "通过验算！" : "重新配筋！");
        }
        if (!check) {
            EXPECT_EQ(cell["verdict"], "通过验算！");
        }
        if (check) ++verdicts[cell["verdict"]];
    }
    EXPECT_GT(verdicts["通过验算！"], 2);
    EXPECT_GT(verdicts["重新配筋！"], 2);
}

TEST(CurrentCodeRows, RefusalsNameWhatIsWrong) {
    struct Refusal {
        std::vector<std::string> cells;
        const char* status;
        std::vector<const char*> told;  // what the Chinese message says, each in it
    };
    const Refusal refusals[] = {
        {{"x", "配筋计算", "C30", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", "", "", ""},
         "input-error",
         {"“C30”", "“Ⅱ级”", "分属两种方法"}},
        {{"x", "配筋计算", "25号", "HRB400", "5000", "3000", "1.2", "0.05", "10", "", "", ""},
         "input-error",
         {"“25号”", "“HRB400”", "分属两种方法"}},
        {{"x", "配筋计算", "C30", "HRB400", "5000", "3000", "1.2", "0.05", "10", "", "", "0.95"},
         "importance-factor-not-allowed",
         {"1.1、1.0或0.9"}},
        {{"x", "配筋计算", "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", "", "", "1.1"},
         "input-error",
         {"原方法", "“1.1”"}},
        {{"x", "配筋计算", "C30", "HRB400", "5000", "3000", "1.2", "0.05", "60", "", "", ""},
         "slenderness-beyond-table",
         {"l0/D＝50.00"}},
        {{"x", "强度校核", "C30", "HRB400", "5000", "3000", "1.2", "0.05", "10", "", "6D28", ""},
         "too-few-bars",
         {"8根"}},
        {{"x", "配筋计算", "C90", "HRB400", "5000", "3000", "1.2", "0.05", "10", "", "", ""},
         "input-error",
         {"“C90”", "C25、C30", "C80"}},
        {{"x", "配筋计算", "C30", "HRB335", "5000", "3000", "1.2", "0.05", "10", "", "", ""},
         "input-error",
         {"“HRB335”", "HPB300、HRB400"}},
        {{"x", "强度校核", "C30", "HRB400", "5000", "3000", "1.2", "0.05", "10", "", "24D34", ""},
         "input-error",
         {"“24D34”", "36、40"}},
        {{"x", "配筋计算", "C30", "HRB400", "5000", "3000", "1.2", "0.05", "10", "", "", "abc"},
         "input-error",
         {"“abc”不是一个数"}},
    };
    for (const Refusal& r : refusals) {
        const table::RowOutcome o = runCells(r.cells);
        SCOPED_TRACE(o.statusText);
        EXPECT_EQ(o.status, r.status);
        EXPECT_FALSE(o.hasResult);
        for (const char* part : r.told)
            EXPECT_NE(o.statusText.find(part), std::string::npos) << part;
        // No figure stands beside a refusal.
        const std::vector<std::string> cells = table::resultCells(o, {true});
        EXPECT_TRUE(std::all_of(cells.begin(), cells.begin() + 22,
                                [](const std::string& c) { return c.empty(); }));
    }
}

// A row of the archived method is read and written as it always was,
// whether the table has the current code's columns or not; γ0 may stand
// empty or as 1.0 beside it.
TEST(CurrentCodeRows, ArchivedRowsKeepTheirCellsBesideTheCurrentCode) {
    for (const char* gamma0 : {"", "1.0", "1"}) {
        const table::RowOutcome o = runCells(
            {"d", "配筋计算", "25号", "Ⅱ级", "5000", "3000", "1.2", "0.05", "10", "", "", gamma0});
        ASSERT_EQ(o.status, "done") << gamma0;
        const std::vector<std::string> archived = table::resultCells(o, {});
        std::vector<std::string> extended = table::resultCells(o, {true});
        ASSERT_GT(extended.size(), archived.size());
        EXPECT_EQ(std::vector<std::string>(extended.begin(),
                                           extended.begin() + static_cast<long>(archived.size())),
                  archived);
        EXPECT_EQ(extended[archived.size()], gamma0);
        EXPECT_TRUE(std::all_of(extended.begin() + static_cast<long>(archived.size()) + 1,
                                extended.end(), [](const std::string& c) { return c.empty(); }));
        EXPECT_EQ(o.readOut(ReadOutId::AgRequired), "207.021");

        // The workbook's row alike: the same cells, then the new ones.
        const std::vector<table::SheetCell> sheet = table::sheetRow(o);
        const std::vector<table::SheetCell> wider = table::sheetRow(o, {true});
        ASSERT_EQ(wider.size(), sheet.size() + 12);
        for (std::size_t i = 0; i < sheet.size(); ++i) {
            EXPECT_EQ(wider[i].kind, sheet[i].kind) << i;
            EXPECT_EQ(wider[i].text, sheet[i].text) << i;
            EXPECT_EQ(wider[i].format, sheet[i].format) << i;
        }
    }
    for (std::size_t row = 0; row < 2; ++row) {
        const std::vector<std::string> names = table::sheetHeaderRows()[row];
        const std::vector<std::string> wider = table::sheetHeaderRows({true})[row];
        EXPECT_EQ(std::vector<std::string>(wider.begin(), wider.begin() + 38), names);
    }
}

// The workbook shows the current code's figures as their texts, leading
// zero and all: "0.0130" under "0.0000".
TEST(CurrentCodeRows, WorkbookCellsShowTheTextsOfTheFigures) {
    const table::RowOutcome o = runCells({"c", "强度校核", "C30", "HRB400", "6200", "1850", "1.2",
                                          "0.05", "10", "", "24D28", "1.1"});
    ASSERT_EQ(o.status, "done");
    const std::vector<std::string> names = table::outputColumnNames({true});
    const std::vector<table::SheetCell> cells = table::sheetRow(o, {true});
    std::map<std::string, table::SheetCell> byName;
    for (std::size_t i = 0; i < names.size(); ++i) byName[std::string(names[i])] = cells[i];
    EXPECT_EQ(byName["rhoGiven"].format, "0.0000");
    EXPECT_EQ(byName["rhoGiven"].text, "0.0130");
    EXPECT_EQ(byName["Nu"].format, "#.00");  // 9587.28: the integer part shows
    EXPECT_EQ(byName["gamma0"].kind, table::SheetCell::Kind::Number);
    EXPECT_EQ(byName["gamma0"].format, "");
    EXPECT_EQ(byName["method"].kind, table::SheetCell::Kind::Text);
    EXPECT_EQ(byName["method"].text, "JTG 3362-2018");
    EXPECT_EQ(byName["verdict"].text, "通过验算！");
}

// The quick look that spares reading a table whole must never miss a
// grade of the current code, as its cells may hold them in either case.
TEST(CurrentCodeRows, EveryCurrentGradeHasALetterTheQuickLookSeeks) {
    const auto lower = [](std::string_view name) {
        std::string text(name);
        for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    std::vector<std::string_view> grades = table::currentConcreteNames();
    for (std::string_view steel : table::currentSteelNames()) grades.push_back(steel);
    ASSERT_EQ(grades.size(), 17u);  // C25 to C80 in steps of 5, and five steels
    for (std::string_view grade : grades) {
        EXPECT_TRUE(table::mayNameCurrentCode(grade)) << grade;
        EXPECT_TRUE(table::mayNameCurrentCode(lower(grade))) << grade;
        EXPECT_TRUE(table::mayNameCurrentCode("P1, \"" + lower(grade) + " \"")) << grade;
    }
    // The archived method's grades, and a table's usual words, have none.
    for (std::string_view text : {"", "25号", "Ⅱ级", "Ⅳ级", "24D28", "P1,配筋计算,1.2,0.05\r\n",
                                  "名称,构件,类型,混凝土标号,钢筋等级"})
        EXPECT_FALSE(table::mayNameCurrentCode(text)) << text;
}

}  // namespace
}  // namespace pilaro::test
