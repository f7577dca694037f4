// The form for a first visit and at the keyboard: the example that 示例
// fills in runs to the README's answer, 示例 asks before it replaces what
// was typed, 清空 returns the form to how it opened, and the keyboard
// visits the inputs, then 运  行, then 打  印, with Enter running from a
// field typed into.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_example.h"
#include "form/keyboard.h"
#include "tests/form/pier_form.h"

namespace pilaro {
namespace {

using test::Pier;

// The form as the example leaves it, by control name.
std::map<std::string, std::string, std::less<>> exampleTexts() {
    std::map<std::string, std::string, std::less<>> texts;
    const FormExample example = designExample();
    for (const auto& settings : {example.entries, example.fields})
        for (const ControlSetting& s : settings) texts[std::string(s.control)] = s.text;
    return texts;
}

TEST(FirstVisit, TheExampleIsTheReadmesDesign) {
    const FormExample example = designExample();
    EXPECT_EQ(example.option, "optpj");
    const std::map<std::string, std::string, std::less<>> expected = {
        {"cbohnt", "25号"}, {"cbogj", "\u2161级"}, {"txtnj", "5000"}, {"txtmj", "3000"},
        {"txtzd", "1.2"},   {"txtbc", "0.05"},     {"txtlj", "10"},
    };
    EXPECT_EQ(exampleTexts(), expected);

    CalcState state;
    for (const ControlSetting& s : example.entries) pickEntry(state, s.control, s.text);
    chooseOption(state, example.option);
    const auto texts = exampleTexts();
    const RunOutcome outcome = pressRun(state, [&texts](std::string_view name) {
        const auto it = texts.find(name);
        return it == texts.end() ? std::string() : it->second;
    });
    ASSERT_EQ(outcome.status, CalcStatus::Done);
    std::map<std::string, std::string> shown;
    for (const ShownReadOut& r : outcome.readOuts) shown[std::string(r.field)] = r.text;
    EXPECT_EQ(shown["txtag2"], " 207.021");
    EXPECT_EQ(shown["txtpjl"], " .0183");
    EXPECT_EQ(shown["txtd12"], " 183");
}

TEST(FirstVisit, TheExampleAsksOnlyWhereItWouldReplaceSomething) {
    const struct {
        const char* name;
        std::map<std::string, std::string, std::less<>> texts;
        CalcType type;
        bool asks;
    } cases[] = {
        {"a form just opened", {{"cbohnt", " "}, {"txtnj", " "}}, CalcType::None, false},
        {"the example itself", exampleTexts(), CalcType::Design, false},
        {"a force typed", {{"txtnj", "4000"}}, CalcType::None, true},
        {"a grade picked", {{"cbogj", "5号"}}, CalcType::None, true},
        {"the example's grade", {{"cbohnt", "25号"}}, CalcType::None, false},
        {"a check chosen", {}, CalcType::Check, true},
        {"a steel area typed, which the example keeps",
         {{"txtag1", "24D28"}},
         CalcType::None,
         false},
    };
    for (const auto& c : cases) {
        CalcState state;
        state.type = c.type;
        const auto& texts = c.texts;
        const bool asks = exampleReplacesInputs(state, [&texts](std::string_view name) {
            const auto it = texts.find(name);
            return it == texts.end() ? std::string() : it->second;
        });
        EXPECT_EQ(asks, c.asks) << c.name;
    }
}

TEST(FirstVisit, ClearingReturnsTheFormToHowItOpened) {
    Pier pier("optqd");
    ASSERT_EQ(pier.run("5000", "1500", "45.239"), CalcStatus::Done);
    const std::vector<ControlSetting> fields = clearForm(pier.state);
    EXPECT_EQ(pier.state.type, CalcType::None);
    EXPECT_FALSE(pier.state.Ra || pier.state.Rg || pier.state.shownRun);
    EXPECT_EQ(pier.state.lastRunBlock, CalcType::None);
    EXPECT_FALSE(pier.state.result.Nq);
    EXPECT_EQ(pier.state.lastSteelText, "");
    EXPECT_FALSE(pressPrint(pier.state, pier.controls()).prints);

    // Every field of the window, inputs and read-outs, at its opening text.
    std::map<std::string, std::string> texts;
    for (const ControlSetting& s : fields) texts[std::string(s.control)] = s.text;
    // The archived form's 28 and the current code's 10.
    EXPECT_EQ(texts.size(), 28u + 10u);
    EXPECT_EQ(texts["txtnj"], " ");
    EXPECT_EQ(texts["txtag1"], "");
    EXPECT_EQ(texts["txtnq"], " ");
    EXPECT_EQ(texts["txtjg"], " ");
    EXPECT_EQ(texts["txtd36"], "");
    EXPECT_EQ(texts["txtss"], "\u3000");
}

TEST(Keyboard, TabVisitsTheInputsThenRunThenPrint) {
    // The choice of method and γ0 first, above the grade lists.
    const std::vector<std::string_view> expected = {
        "cbomethod", "cbogamma", "cbohnt", "cbogj", "txtnj",  "txtmj",  "txtzd",
        "txtbc",     "txtlj",    "optpj",  "optqd", "txtag1", "cmdrun", "cmdprint",
    };
    EXPECT_EQ(keyboardOrder(), expected);
}

TEST(Keyboard, EnterRunsFromTheFieldsTypedInto) {
    for (const char* field : {"txtnj", "txtmj", "txtzd", "txtbc", "txtlj", "txtag1"})
        EXPECT_TRUE(enterRuns(field)) << field;
    for (const char* other : {"cbohnt", "cbogj", "optpj", "optqd", "txtag2", "txtjg", "txtss",
                              "cmdrun", "cmdprint", "cmdexit", "Frame1", "Label3", "nothing"})
        EXPECT_FALSE(enterRuns(other)) << other;
}

}  // namespace
}  // namespace pilaro
