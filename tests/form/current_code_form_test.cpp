// The form under JTG 3362-2018, without a front end: the choice of method
// and of γ0, what a switch keeps and clears, runs whose read-outs are
// pilaro-batch's cells for the same rows (written out from its JSON
// lines), the refusals with the field each names, and the diagram.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_table.h"
#include "form/form_diagram.h"
#include "form/form_events.h"
#include "form/method_choice.h"
#include "report/printed_sheet.h"
#include "tests/form/pier_form.h"

namespace pilaro {
namespace {

using Texts = std::map<std::string, std::string, std::less<>>;

ControlText controlsOf(const Texts& texts) {
    return [&texts](std::string_view name) {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    };
}

// A form switched to the current code, γ0, the grades and the option
// picked, the lists showing them.
struct CurrentForm {
    CalcState state;
    Texts texts;

    CurrentForm(std::string concrete, std::string steel, std::string gamma0, std::string option) {
        pick("cbomethod", std::string(methodEntries().at(1)));
        pick("cbogamma", std::move(gamma0));
        pick("cbohnt", std::move(concrete));
        pick("cbogj", std::move(steel));
        chooseOption(state, option);
    }
    FormChange pick(const std::string& list, std::string entry) {
        texts[list] = entry;
        return pickEntry(state, list, entry);
    }
    RunOutcome run(const Texts& fields) {
        for (const auto& [field, text] : fields) texts[field] = text;
        return pressRun(state, controlsOf(texts));
    }
};

std::map<std::string, std::string> shownOf(const RunOutcome& outcome) {
    std::map<std::string, std::string> shown;
    for (const ShownReadOut& r : outcome.readOuts) shown[std::string(r.field)] = r.text;
    return shown;
}

const Texts kPier = {
    {"txtnj", "5000"}, {"txtmj", "3000"}, {"txtzd", "1.2"}, {"txtbc", "0.05"}, {"txtlj", "10"}};

TEST(CurrentCodeForm, TheMethodsListHasTheArchivedMethodFirst) {
    const CalcState opened;
    const std::vector<std::string_view> methods = listEntries(opened, "cbomethod");
    ASSERT_EQ(methods.size(), 2u);
    EXPECT_EQ(methods[0], "原方法（号、级）");
    EXPECT_TRUE(methods[1].starts_with("JTG 3362-2018")) << methods[1];
    const std::vector<std::string_view> factors = listEntries(opened, "cbogamma");
    ASSERT_EQ(factors.size(), 3u);
    EXPECT_TRUE(factors[0].starts_with("1.1")) << factors[0];
    EXPECT_TRUE(factors[1].starts_with("1.0")) << factors[1];
    EXPECT_TRUE(factors[2].starts_with("0.9")) << factors[2];
    // The form opens with the archived method, and γ0 1.0 waiting.
    std::map<std::string_view, std::string_view> shown;
    for (const ListContents& list : formLists(opened)) shown[list.list] = list.shown;
    EXPECT_EQ(shown["cbomethod"], methods[0]);
    EXPECT_EQ(shown["cbogamma"], factors[1]);
    EXPECT_EQ(shown["cbohnt"], " ");
    EXPECT_EQ(listEntries(opened, "cbohnt"), listEntries("cbohnt"));
    EXPECT_EQ(listEntries(opened, "cbohnt").front(), "15号");
}

TEST(CurrentCodeForm, ChoosingTheCurrentCodeOffersItsGradesAndHidesTheArchivedReadOuts) {
    CalcState state;
    const FormChange change = pickEntry(state, "cbomethod", methodEntries()[1]);
    EXPECT_EQ(state.method, table::Method::Jtg3362);
    EXPECT_TRUE(change.resultsCleared);
    std::map<std::string_view, std::vector<std::string_view>> lists;
    for (const ListContents& list : change.lists) lists[list.list] = list.entries;
    EXPECT_EQ(lists["cbohnt"],
              (std::vector<std::string_view>{"C25", "C30", "C35", "C40", "C45", "C50", "C55", "C60",
                                             "C65", "C70", "C75", "C80"}));
    EXPECT_EQ(lists["cbogj"],
              (std::vector<std::string_view>{"HPB300", "HRB400", "HRBF400", "RRB400", "HRB500"}));
    // Before an option the given area's field is left as it is.
    std::map<std::string_view, bool> shown;
    for (const ControlShown& c : change.shown) shown[c.control] = c.shown;
    EXPECT_EQ(shown.count("txtag1"), 0u);
    for (const char* current : {"cbogamma", "Frame6", "txtd40"}) EXPECT_TRUE(shown.at(current));
    for (const char* archived : {"txtss", "txtsa", "txtsd", "txtd34", "txtnq", "txtmq"})
        EXPECT_FALSE(shown.at(archived)) << archived;
    // The fields the methods share stay shown.
    for (const char* both : {"txtag2", "txtpjl", "txtd36", "txtqjl", "txtjg"})
        EXPECT_EQ(shown.count(both), 0u) << both;
    // The form grows below the band by the current code's frame.
    EXPECT_GT(formBox(table::Method::Jtg3362).height, formBox(table::Method::Archived).height);
    EXPECT_EQ(formBox(table::Method::Archived).width, kClientWidthTwips);
}

// A switch keeps every field typed and each method's picks, clears the
// results of the method left and refuses to print them.
TEST(CurrentCodeForm, SwitchingKeepsWhatWasTypedAndClearsTheResults) {
    test::Pier pier("optpj");
    for (const auto& [field, text] : kPier) pier.texts[field] = text;
    ASSERT_EQ(pressRun(pier.state, pier.controls()).status, CalcStatus::Done);
    ASSERT_TRUE(pressPrint(pier.state, pier.controls()).prints);

    const FormChange toCurrent = pickEntry(pier.state, "cbomethod", methodEntries()[1]);
    pier.texts["cbomethod"] = methodEntries()[1];
    std::map<std::string_view, std::string_view> fields;
    for (const ControlSetting& s : toCurrent.fields) fields[s.control] = s.text;
    // Every read-out at its opening text, no input touched.
    EXPECT_EQ(fields["txtag2"], " ");
    EXPECT_EQ(fields["txtss"], "\u3000");
    EXPECT_EQ(fields["txte0"], "");
    EXPECT_EQ(fields.size(), 22u + 10u);
    for (const auto& [field, text] : kPier) EXPECT_EQ(fields.count(field), 0u) << field;
    EXPECT_FALSE(pressPrint(pier.state, pier.controls()).prints);
    EXPECT_TRUE(formDiagrams(pier.state, pier.controls()).diagrams.empty());

    pickEntry(pier.state, "cbohnt", "C40");
    // The same entry again changes nothing; a text of no list neither.
    EXPECT_FALSE(pickEntry(pier.state, "cbomethod", methodEntries()[1]).resultsCleared);
    EXPECT_FALSE(pickEntry(pier.state, "cbomethod", "JTG").resultsCleared);
    const FormChange back = pickEntry(pier.state, "cbomethod", methodEntries()[0]);
    std::map<std::string_view, std::string_view> picks;
    for (const ListContents& list : back.lists) picks[list.list] = list.shown;
    EXPECT_EQ(picks["cbohnt"], "25号");
    EXPECT_EQ(picks["cbogj"], "\u2161级");
    EXPECT_EQ(pier.state.current.concrete, "C40");
    EXPECT_FALSE(pier.state.shownRun);
}

// A run under each road gives the texts pilaro-batch writes for the same
// row (examples/pier_jtg3362_load_cases.csv rows 3 and 9, and others).
TEST(CurrentCodeForm, ARunShowsPilaroBatchsCells) {
    const struct {
        const char* name;
        const char* concrete;
        const char* steel;
        const char* gamma0;
        const char* option;
        Texts fields;
        std::map<std::string, std::string> cells;  // by field; an absent field is empty
    } cases[] = {
        {"design, row 3",
         "C30",
         "HRB400",
         "1.1（一级）",
         "optpj",
         kPier,
         {{"txte0", "0.6000"},     {"txteta", "1.1024"},     {"txtalpha", "0.4219"},
          {"txtalphat", "0.4062"}, {"txtnu", "5500.17"},     {"txtmu", "3637.98"},
          {"txtphi", "0.9822"},    {"txtnumax", "18576.51"}, {"txtutil", "1.000"},
          {"txtjg", "通过验算！"}, {"txtag2", "163.84"},     {"txtpjl", "0.0145"},
          {"txtd12", "145"},       {"txtd14", "107"},        {"txtd16", "82"},
          {"txtd18", "65"},        {"txtd20", "53"},         {"txtd22", "44"},
          {"txtd25", "34"},        {"txtd28", "27"},         {"txtd32", "21"},
          {"txtd36", "17"},        {"txtd40", "14"}}},
        {"check, row 9",
         "C30",
         "HRB400",
         "1.1（一级）",
         "optqd",
         [] {
             Texts t = kPier;
             t["txtag1"] = " 28D28 ";
             return t;
         }(),
         {{"txte0", "0.6000"},
          {"txteta", "1.1024"},
          {"txtalpha", "0.4253"},
          {"txtalphat", "0.3995"},
          {"txtnu", "5659.88"},
          {"txtmu", "3743.62"},
          {"txtphi", "0.9822"},
          {"txtnumax", "18826.53"},
          {"txtutil", "0.972"},
          {"txtjg", "通过验算！"},
          {"txtqjl", "0.0152"}}},
        {"stocky check at e0's floor",
         "C40",
         "HRB500",
         "0.9（三级）",
         "optqd",
         {{"txtnj", "8000"},
          {"txtmj", "50"},
          {"txtzd", "1.0"},
          {"txtbc", "0.06"},
          {"txtlj", "4"},
          {"txtag1", "16D25"}},
         {{"txte0", "0.0333"},
          {"txteta", "1.0000"},
          {"txtalpha", "0.8051"},
          {"txtalphat", "0.0000"},
          {"txtnu", "16327.02"},
          {"txtmu", "544.23"},
          {"txtphi", "1.0000"},
          {"txtnumax", "15833.62"},
          {"txtutil", "0.455"},
          {"txtjg", "通过验算！"},
          {"txtqjl", "0.0100"}}},
        // An area typed as 0 is checked, as pilaro-batch checks that row:
        // the section carries nothing at this eccentricity.
        {"check of no steel",
         "C30",
         "HRB400",
         "1.0（二级）",
         "optqd",
         [] {
             Texts t = kPier;
             t["txtag1"] = "0";
             return t;
         }(),
         {{"txte0", "0.6000"},
          {"txteta", "1.1024"},
          {"txtalpha", "0.0000"},
          {"txtalphat", "1.2500"},
          {"txtnu", "0.00"},
          {"txtmu", "0.00"},
          {"txtphi", "0.9822"},
          {"txtnumax", "13796.97"},
          {"txtjg", "重新配筋！"},
          {"txtqjl", "0.0000"}}},
    };
    for (const auto& c : cases) {
        CurrentForm form(c.concrete, c.steel, c.gamma0, c.option);
        const RunOutcome outcome = form.run(c.fields);
        EXPECT_EQ(outcome.currentStatus, jtg3362::Status::Done) << c.name;
        EXPECT_EQ(outcome.message, "") << c.name;
        EXPECT_TRUE(outcome.shown) << c.name;
        std::map<std::string, std::string> expected;
        for (const CurrentReadOutField& r : currentReadOutFields())
            expected[std::string(r.field)] = "";
        for (const auto& [field, text] : c.cells) expected[field] = text;
        EXPECT_EQ(shownOf(outcome), expected) << c.name;
        EXPECT_TRUE(pressPrint(form.state, controlsOf(form.texts)).prints) << c.name;
        // Every run on show has its diagram, as pilaro-batch draws the row.
        EXPECT_EQ(formDiagrams(form.state, controlsOf(form.texts)).diagrams.size(), 1u) << c.name;
    }
}

// Where the design needs more than 5 %, the form says so, shows the
// figures at 5 % as pilaro-batch does, and sends the focus to the
// diameter; its diagram checks the section at 5 %, which fails.
TEST(CurrentCodeForm, ASectionToEnlargeShowsItsFiguresAtFivePercent) {
    CurrentForm form("C25", "HPB300", "1.1（一级）", "optpj");
    const RunOutcome outcome = form.run({{"txtnj", "30000"},
                                         {"txtmj", "9000"},
                                         {"txtzd", "1.0"},
                                         {"txtbc", "0.05"},
                                         {"txtlj", "8"}});
    EXPECT_EQ(outcome.currentStatus, jtg3362::Status::EnlargeSection);
    EXPECT_EQ(outcome.message, "应加大截面尺寸！");
    EXPECT_EQ(outcome.focus, "txtzd");
    const auto shown = shownOf(outcome);
    EXPECT_EQ(shown.at("txtnu"), "8815.41");
    EXPECT_EQ(shown.at("txtutil"), "3.744");
    EXPECT_EQ(shown.at("txtpjl"), "0.0500");
    EXPECT_EQ(shown.at("txtjg"), "重新配筋！");
    EXPECT_EQ(shown.at("txtag2"), "");
    EXPECT_EQ(shown.at("txtd40"), "");
    const FormDiagrams drawn = formDiagrams(form.state, controlsOf(form.texts));
    ASSERT_EQ(drawn.diagrams.size(), 1u);
    ASSERT_EQ(drawn.diagrams[0].loads.size(), 1u);
    EXPECT_FALSE(drawn.diagrams[0].loads[0].design);
    EXPECT_FALSE(drawn.diagrams[0].loads[0].passes());
    // 5 % of π/4 m² in cm².
    EXPECT_NEAR(drawn.diagrams[0].Ag, 0.05 * 3.14159265358979 / 4 * 10000, 0.01);
}

// A refused or stopped run shows one message naming the field, sends the
// focus there and leaves every read-out as it was.
TEST(CurrentCodeForm, ARefusalNamesTheFieldAtFault) {
    const struct {
        const char* name;
        Texts changed;
        const char* message;
        const char* focus;
    } cases[] = {
        {"fewer than 8 bars",
         {{"txtag1", "6D28"}},
         "纵向钢筋少于8根：圆形截面的计算公式假定不少于8根钢筋沿周边均匀布置，请检查纵向钢筋面积！",
         "txtag1"},
        {"a bar the current code lacks",
         {{"txtag1", "24D34"}},
         "纵向钢筋面积输入有误：“24D34”中有钢筋表中没有的直径。钢筋直径只能是12、14、16、18、"
         "20、22、25、28、32、36、40（mm）。",
         "txtag1"},
        {"no axial force",
         {{"txtnj", ""}},
         "轴向力应大于0：本方法只计算偏心受压构件，请输入轴向压力！",
         "txtnj"},
        {"tension",
         {{"txtnj", "-100"}},
         "轴向力应大于0：本方法只计算偏心受压构件，请输入轴向压力！",
         "txtnj"},
        {"cover in mm",
         {{"txtbc", "50"}},
         "保护层厚度应大于0且小于圆形直径的一半（单位为m），请检查保护层厚度！",
         "txtbc"},
        {"beyond the stability table",
         {{"txtlj", "60"}},
         "长细比超出稳定系数表：l0/D＝50.00，大于43，请检查计算长度或加大圆形直径！",
         "txtlj"},
        {"no diameter", {{"txtzd", " "}}, "圆形直径应大于0，请检查圆形直径！", "txtzd"},
        {"more steel than section",
         {{"txtag1", "20000"}},
         "纵向钢筋面积大于截面面积，请检查纵向钢筋面积！",
         "txtag1"},
        {"a unit typed",
         {{"txtmj", "3000kN.m"}},
         "计算弯矩输入有误：“3000kN.m”不是一个数。请用小数点，不要加单位或千分位逗号。",
         "txtmj"},
        {"an archived grade typed over the list",
         {{"cbohnt", "25号"}},
         "混凝土标号请从列表中选择",
         "cbohnt"},
        {"γ0 typed over its list",
         {{"cbogamma", "0.95"}},
         "结构重要性系数γ0请从列表中选择",
         "cbogamma"},
    };
    for (const auto& c : cases) {
        CurrentForm form("C30", "HRB400", "1.0（二级）", "optqd");
        Texts fields = kPier;
        fields["txtag1"] = "28D28";
        ASSERT_TRUE(form.run(fields).shown) << c.name;
        const CurrentCodeState before = form.state.current;
        const RunOutcome outcome = form.run(c.changed);
        EXPECT_EQ(outcome.message, c.message) << c.name;
        EXPECT_EQ(outcome.focus, c.focus) << c.name;
        EXPECT_FALSE(outcome.shown) << c.name;
        EXPECT_TRUE(outcome.readOuts.empty()) << c.name;
        EXPECT_EQ(form.state.current.lastSteelText, before.lastSteelText) << c.name;
        EXPECT_EQ(form.state.current.lastInput.Nd, before.lastInput.Nd) << c.name;
        // The results on show are of other inputs now.
        EXPECT_FALSE(pressPrint(form.state, controlsOf(form.texts)).prints) << c.name;
    }
}

TEST(CurrentCodeForm, WithoutAGradeTheRunStopsAtItsList) {
    CalcState state;
    pickEntry(state, "cbomethod", methodEntries()[1]);
    chooseOption(state, "optpj");
    Texts texts = kPier;
    texts["cbohnt"] = " ";
    texts["cbogamma"] = "1.0（二级）";
    RunOutcome outcome = pressRun(state, controlsOf(texts));
    EXPECT_EQ(outcome.message, "混凝土强度等级应为C25至C80之一，请从列表中选择！");
    EXPECT_EQ(outcome.focus, "cbohnt");
    pickEntry(state, "cbohnt", "C50");
    texts["cbohnt"] = "C50";
    outcome = pressRun(state, controlsOf(texts));
    EXPECT_EQ(outcome.focus, "cbogj");
    // A grade of the archived method is no pick here.
    pickEntry(state, "cbogj", "\u2161级");
    EXPECT_EQ(state.current.steel, "");
    EXPECT_FALSE(state.Rg);
}

// γ0 and every input the run read mark its results stale; a check given
// no steel at all (an empty field) is designed and says so, as in the
// archived method.
TEST(CurrentCodeForm, StaleMarksAndTheCheckThatRanAsADesign) {
    CurrentForm form("C30", "HRB400", "1.0（二级）", "optqd");
    const RunOutcome designed = form.run(kPier);
    EXPECT_EQ(designed.message, "未输入纵向钢筋面积，已按配筋计算，结果见“配筋结果”。");
    EXPECT_EQ(shownOf(designed).at("txtag2"), "138.12");
    EXPECT_EQ(shownOf(designed).at("txtqjl"), "");
    EXPECT_TRUE(pressPrint(form.state, controlsOf(form.texts)).prints);
    form.pick("cbogamma", "1.1（一级）");
    const PrintOutcome stale = pressPrint(form.state, controlsOf(form.texts));
    EXPECT_FALSE(stale.prints);
    EXPECT_EQ(stale.message, "输入已修改，显示的结果已过时，请重新运行后再打印。");
    EXPECT_EQ(stale.focus, "cmdrun");
    form.pick("cbogamma", "1.0（二级）");
    EXPECT_TRUE(pressPrint(form.state, controlsOf(form.texts)).prints);
}

// The diagram is the current code's: its curve, its Nmax as the read-out
// shows it, and the point at (γ0Nd·η·e0, γ0Nd), a design's as a design.
TEST(CurrentCodeForm, TheDiagramIsTheCurrentCodes) {
    const struct {
        const char* option;
        const char* area;
        bool design;
        const char* Nmax;
    } cases[] = {{"optpj", "", true, "18576.51"}, {"optqd", "28D28", false, "18826.53"}};
    for (const auto& c : cases) {
        CurrentForm form("C30", "HRB400", "1.1（一级）", c.option);
        Texts fields = kPier;
        fields["txtag1"] = c.area;
        const RunOutcome outcome = form.run(fields);
        ASSERT_TRUE(outcome.shown);
        const FormDiagrams drawn = formDiagrams(form.state, controlsOf(form.texts));
        ASSERT_EQ(drawn.diagrams.size(), 1u) << c.option;
        const diagram::Diagram& d = drawn.diagrams[0];
        EXPECT_EQ(d.method, table::Method::Jtg3362);
        EXPECT_EQ(d.gamma0, 1.1);
        EXPECT_EQ(jtg3362::figureText(jtg3362::ReadOut::NuAxial, d.Nmax), c.Nmax);
        EXPECT_EQ(shownOf(outcome).at("txtnumax"), c.Nmax);
        ASSERT_EQ(d.loads.size(), 1u);
        EXPECT_EQ(d.loads[0].design, c.design);
        // γ0 Nd = 1.1 x 5000; the moment is η e0 times it, e0 = 0.6 m.
        EXPECT_DOUBLE_EQ(d.loads[0].N, 5500.0);
        const double eta = form.state.current.lastOutcome.result.eta;
        EXPECT_NEAR(d.loads[0].M, 5500.0 * eta * 0.6, 1e-6);
        EXPECT_EQ(d.loads[0].name.substr(0, d.loads[0].name.find("，")), "γ0Nd＝5500.00");
    }
}

// An archived run after switching to the current code and back is the
// run a form that never switched makes: its read-outs and its sheet.
TEST(CurrentCodeForm, SwitchingTwiceLeavesAnArchivedRunAsItWas) {
    test::Pier never("optqd");
    test::Pier twice("optqd");
    for (test::Pier* pier : {&never, &twice})
        for (const auto& [field, text] : kPier) pier->texts[field] = text;
    const RunOutcome first = never.press("5000", "1500", "45.239");
    ASSERT_EQ(twice.press("5000", "1500", "45.239").status, CalcStatus::Done);
    pickEntry(twice.state, "cbomethod", methodEntries()[1]);
    pickEntry(twice.state, "cbohnt", "C30");
    pickEntry(twice.state, "cbomethod", methodEntries()[0]);
    const RunOutcome after = twice.press("5000", "1500", "45.239");
    ASSERT_EQ(after.status, CalcStatus::Done);
    EXPECT_EQ(shownOf(after), shownOf(first));
    EXPECT_EQ(after.message, first.message);
    const std::vector<ReportLine> expected = printedSheet(never.state).lines;
    const std::vector<ReportLine> printed = printedSheet(twice.state).lines;
    ASSERT_EQ(printed.size(), expected.size());
    for (std::size_t i = 0; i < printed.size(); ++i) {
        ASSERT_EQ(printed[i].items.size(), expected[i].items.size()) << i;
        for (std::size_t j = 0; j < printed[i].items.size(); ++j)
            EXPECT_EQ(itemText(printed[i].items[j]), itemText(expected[i].items[j])) << i;
    }
    EXPECT_FALSE(printedSheet(twice.state).pagePerCopy);
}

}  // namespace
}  // namespace pilaro
