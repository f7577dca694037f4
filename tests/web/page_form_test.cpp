// The page's form events: the README's worked examples give the window's
// read-out texts, a run without a type reads no field, a refused or
// stopped run changes nothing, and only list entries count as picks.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "form/form_events.h"
#include "tests/support/grades.h"
#include "tests/web/pier_state.h"

namespace pilaro::web {
namespace {

using Texts = std::map<std::string, std::string, std::less<>>;

// The pier's lists show the grades picked (pierState).
ControlText controlsOf(const Texts& texts) {
    return [&texts](std::string_view name) {
        if (name == "cbohnt") return std::string("25号");
        if (name == "cbogj") return std::string("\u2161级");
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    };
}

std::map<std::string, std::string> shown(const RunOutcome& outcome) {
    std::map<std::string, std::string> fields;
    for (const ShownReadOut& r : outcome.readOuts) fields[std::string(r.field)] = r.text;
    return fields;
}

struct Example {
    const char* name;
    const char* option;
    Texts fields;
    std::map<std::string, std::string> expected;  // read-outs checked
};

// The worked examples of the README.
const std::vector<Example> kExamples = {
    {"Design",
     "optpj",
     {{"txtnj", "5000"},
      {"txtmj", "3000"},
      {"txtzd", "1.2"},
      {"txtbc", "0.05"},
      {"txtlj", "10"},
      {"txtag1", "45.239"}},  // not read for a design
     {{"txtag2", " 207.021"},
      {"txtpjl", " .0183"},
      {"txtd12", " 183"},
      {"txtd36", " 21"},
      {"txtss", " .5167"},
      {"txtsa", " 1.22629"},
      {"txtsd", " 1.87936"},
      {"txtnq", ""},
      {"txtjg", ""}}},
    {"CheckPasses",
     "optqd",
     {{"txtnj", "5000"},
      {"txtmj", "1500"},
      {"txtzd", "1.2"},
      {"txtbc", "0.05"},
      {"txtlj", "10"},
      {"txtag1", "45.239"}},
     {{"txtnq", " 6037.51"},
      {"txtmq", " 1809.547"},
      {"txtqjl", " .004"},
      {"txtjg", "通过验算！"},
      {"txtag2", ""},
      {"txtd12", ""}}},
    {"CheckFails",
     "optqd",
     {{"txtnj", "8000"},
      {"txtmj", "3000"},
      {"txtzd", "1.2"},
      {"txtbc", "0.05"},
      {"txtlj", "10"},
      {"txtag1", "45.239"}},
     {{"txtnq", " 4339.491"}, {"txtjg", "重新配筋！"}}},
};

TEST(PageForm, WorkedExamplesGiveTheWindowsTexts) {
    for (const Example& example : kExamples) {
        CalcState state = pierState(example.option);
        const RunOutcome outcome = pressRun(state, controlsOf(example.fields));
        ASSERT_EQ(outcome.status, CalcStatus::Done) << example.name;
        EXPECT_EQ(outcome.message, "") << example.name;
        EXPECT_EQ(outcome.readOuts.size(), 22u) << example.name;
        const auto fields = shown(outcome);
        for (const auto& [field, text] : example.expected)
            EXPECT_EQ(fields.at(field), text) << example.name << " " << field;
    }
}

TEST(PageForm, WithoutATypeNoFieldIsRead) {
    CalcState state;
    pickEntry(state, "cbohnt", "25号");
    int reads = 0;
    const RunOutcome outcome = pressRun(state, [&reads](std::string_view) {
        ++reads;
        return std::string("5000");
    });
    EXPECT_EQ(outcome.status, std::nullopt);
    EXPECT_EQ(outcome.message, "请选择计算类型《配筋计算或强度验算！》");
    EXPECT_TRUE(outcome.readOuts.empty());
    EXPECT_EQ(reads, 0);
}

TEST(PageForm, AStoppedRunChangesNoResult) {
    CalcState state = pierState("optpj");
    Texts fields = kExamples[0].fields;
    ASSERT_EQ(pressRun(state, controlsOf(fields)).status, CalcStatus::Done);
    const CalcResult before = state.result;
    fields["txtzd"] = "0";
    const RunOutcome outcome = pressRun(state, controlsOf(fields));
    EXPECT_EQ(outcome.status, CalcStatus::ZeroDiameter);
    EXPECT_EQ(outcome.message, "圆形直径不能为零，请输入圆形直径！");
    EXPECT_TRUE(outcome.readOuts.empty());
    EXPECT_EQ(state.result.Ag, before.Ag);
    EXPECT_EQ(state.result.xi, before.xi);
    EXPECT_EQ(state.lastInput.D, 1.2);
}

TEST(PageForm, ARefusedFieldChangesNothing) {
    CalcState state = pierState("optpj");
    Texts fields = kExamples[0].fields;
    ASSERT_EQ(pressRun(state, controlsOf(fields)).status, CalcStatus::Done);
    const CalcState before = state;
    fields["txtzd"] = "1,5";
    const RunOutcome outcome = pressRun(state, controlsOf(fields));
    EXPECT_EQ(outcome.status, std::nullopt);
    EXPECT_EQ(outcome.message,
              "圆形直径输入有误：“1,5”不是一个数。请用小数点，不要加单位或千分位逗号。");
    EXPECT_TRUE(outcome.readOuts.empty());
    EXPECT_EQ(state.lastInput.D, before.lastInput.D);
    EXPECT_EQ(state.result.Ag, before.result.Ag);
}

TEST(PageForm, OnlyAListEntryIsAPick) {
    CalcState state;
    for (const char* typed : {"25", " 25号", "25号 ", "II级", ""}) {
        pickEntry(state, "cbohnt", typed);
        pickEntry(state, "cbogj", typed);
    }
    pickEntry(state, "txtnj", "25号");
    EXPECT_FALSE(state.Ra || state.Eh || state.Rg || state.Eg);

    pickEntry(state, "cbohnt", "40号");
    pickEntry(state, "cbogj", "5号");
    EXPECT_EQ(state.Ra, test::k40.strength);
    EXPECT_EQ(state.Eh, test::k40.modulus);
    EXPECT_EQ(state.Rg, test::k5.strength);
    EXPECT_EQ(state.Eg, test::k5.modulus);
}

TEST(PageForm, ListsHoldTheGradesInOrder) {
    const auto concrete = listEntries("cbohnt");
    ASSERT_EQ(concrete.size(), 7u);
    EXPECT_EQ(concrete.front(), "15号");
    EXPECT_EQ(concrete.back(), "60号");
    EXPECT_EQ(listEntries("cbogj"), (std::vector<std::string_view>{"\u2160级", "\u2161级",
                                                                   "\u2162级", "\u2163级", "5号"}));
    EXPECT_TRUE(listEntries("txtnj").empty());
}

// Whether the state shows the given area's field, txtag1.
bool areaShown(const CalcState& state) {
    for (const ControlShown& control : shownControls(state))
        if (control.control == "txtag1") return control.shown;
    ADD_FAILURE() << "txtag1 is not among the controls the state shows or hides";
    return false;
}

TEST(PageForm, TheAreaFieldShowsOnlyForACheck) {
    CalcState state;
    EXPECT_FALSE(areaShown(state));
    chooseOption(state, "optqd");
    EXPECT_TRUE(areaShown(state));
    chooseOption(state, "optpj");
    EXPECT_FALSE(areaShown(state));
    chooseOption(state, "cmdrun");
    EXPECT_EQ(state.type, CalcType::Design);
}

}  // namespace
}  // namespace pilaro::web
