// The form's rules as both front ends meet them: every role belongs to the
// control the archived form gave it, the options choose the one
// calculation type, 打  印 is never refused, and the diagram after a run is
// that run's, read and run once.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_table.h"
#include "form/form_diagram.h"
#include "form/form_events.h"
#include "form/read_out_fields.h"

namespace pilaro {
namespace {

// The archived form's controls by what they are, written out from its
// captions: a role on the wrong control would read the moment as the axial
// force, or write one result into another's field.
TEST(FormControls, EachRoleIsTheArchivedFormsControl) {
    const struct {
        ControlRole role;
        std::string_view name;
        ControlKind kind;
    } cases[] = {
        {FormInput::ConcreteGrade, "cbohnt", ControlKind::DropDownList},
        {FormInput::SteelGrade, "cbogj", ControlKind::DropDownList},
        {FormInput::AxialForce, "txtnj", ControlKind::TextField},
        {FormInput::Moment, "txtmj", ControlKind::TextField},
        {FormInput::Diameter, "txtzd", ControlKind::TextField},
        {FormInput::Cover, "txtbc", ControlKind::TextField},
        {FormInput::Length, "txtlj", ControlKind::TextField},
        {FormInput::GivenArea, "txtag1", ControlKind::TextField},
        {CalcType::Design, "optpj", ControlKind::OptionButton},
        {CalcType::Check, "optqd", ControlKind::OptionButton},
        {FormButton::Run, "cmdrun", ControlKind::PushButton},
        {FormButton::Print, "cmdprint", ControlKind::PushButton},
        {FormButton::Exit, "cmdexit", ControlKind::PushButton},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(controlName(c.role), c.name);
        const ControlRow* row = findControl(c.name);
        ASSERT_NE(row, nullptr) << c.name;
        EXPECT_EQ(row->kind, c.kind) << c.name;
        EXPECT_FALSE(row->readOut()) << c.name;
    }
    EXPECT_EQ(findControl("txtNJ"), nullptr);
    EXPECT_EQ(controlName(ControlRole{}), "");
}

TEST(FormControls, EachReadOutHasTheArchivedFormsField) {
    const std::map<ReadOutId, std::string_view> fields = {
        {ReadOutId::Xi, "txtss"},          {ReadOutId::CoefA, "txtsa"}, {ReadOutId::CoefB, "txtsb"},
        {ReadOutId::CoefC, "txtsc"},       {ReadOutId::CoefD, "txtsd"}, {ReadOutId::Rho, "txtpjl"},
        {ReadOutId::AgRequired, "txtag2"}, {ReadOutId::D12, "txtd12"},  {ReadOutId::D14, "txtd14"},
        {ReadOutId::D16, "txtd16"},        {ReadOutId::D18, "txtd18"},  {ReadOutId::D20, "txtd20"},
        {ReadOutId::D22, "txtd22"},        {ReadOutId::D25, "txtd25"},  {ReadOutId::D28, "txtd28"},
        {ReadOutId::D32, "txtd32"},        {ReadOutId::D34, "txtd34"},  {ReadOutId::D36, "txtd36"},
        {ReadOutId::RhoGiven, "txtqjl"},   {ReadOutId::Nq, "txtnq"},    {ReadOutId::Mq, "txtmq"},
        {ReadOutId::Verdict, "txtjg"},
    };
    ASSERT_EQ(fields.size(), kReadOutCount);
    for (const auto& [id, field] : fields) {
        EXPECT_EQ(readOutField(id), field);
        const ControlRow* row = findControl(field);
        ASSERT_NE(row, nullptr) << field;
        EXPECT_TRUE(row->readOut()) << field;
    }
}

TEST(FormEvents, AnOptionChoosesItsTypeAndNothingElseDoes) {
    const struct {
        std::vector<std::string_view> chosen;  // in order
        CalcType type;
    } cases[] = {
        {{}, CalcType::None},
        {{"optpj"}, CalcType::Design},
        {{"optqd"}, CalcType::Check},
        {{"optqd", "optpj"}, CalcType::Design},
        {{"optpj", "optqd", "txtag1", "cbohnt", "cmdrun", "nothing"}, CalcType::Check},
    };
    for (const auto& c : cases) {
        CalcState state;
        for (std::string_view option : c.chosen) chooseOption(state, option);
        EXPECT_EQ(state.type, c.type) << c.chosen.size();
        EXPECT_FALSE(state.Ra || state.Rg) << c.chosen.size();
    }
}

// The form at the README's pier: 25号 and Ⅱ级 picked, D 1.2 m, a 0.05 m,
// l0 10 m.
struct Pier {
    CalcState state;
    std::map<std::string, std::string, std::less<>> texts = {
        {"cbohnt", "25号"}, {"cbogj", "\u2161级"}, {"txtzd", "1.2"},
        {"txtbc", "0.05"},  {"txtlj", "10"},
    };
    int reads = 0;

    explicit Pier(std::string_view option) {
        pickEntry(state, "cbohnt", "25号");
        pickEntry(state, "cbogj", "\u2161级");
        chooseOption(state, option);
    }
    ControlText controls() {
        return [this](std::string_view name) {
            ++reads;
            const auto it = texts.find(name);
            return it == texts.end() ? std::string() : it->second;
        };
    }
    CalcStatus run(std::string nj, std::string mj, std::string area = "") {
        texts["txtnj"] = std::move(nj);
        texts["txtmj"] = std::move(mj);
        texts["txtag1"] = std::move(area);
        return pressRun(state, controls()).status.value_or(CalcStatus::NoType);
    }
};

TEST(FormEvents, PrintingIsNeverRefused) {
    Pier pier("optpj");
    EXPECT_TRUE(pressPrint(pier.state).prints);
    ASSERT_EQ(pier.run("5000", "3000"), CalcStatus::Done);
    EXPECT_TRUE(pressPrint(pier.state).prints);
    ASSERT_EQ(pier.run("60000", "36000"), CalcStatus::EnlargeSection);
    const PrintOutcome outcome = pressPrint(pier.state);
    EXPECT_TRUE(outcome.prints);
    EXPECT_EQ(outcome.message, "");
}

// Once the run is made, the form's loads may say anything: the diagram
// shows the run's, and reads nothing but the steel's text.
TEST(FormDiagram, TakesTheRunTheStateHolds) {
    const struct {
        const char* option;
        const char* nj;
        const char* mj;
        const char* area;
        std::string steel;  // as the README's worked examples give it
    } cases[] = {
        {"optpj", "5000", "3000", "", "207.021 cm²"},
        {"optqd", "5000", "1500", "45.239", "45.239 cm²"},
        {"optqd", "5000", "3000", "24D28", "24D28"},
    };
    for (const auto& c : cases) {
        Pier pier(c.option);
        ASSERT_EQ(pier.run(c.nj, c.mj, c.area), CalcStatus::Done) << c.nj;
        pier.texts["txtnj"] = "9999";
        pier.texts["txtmj"] = "abc";
        pier.reads = 0;
        const FormDiagrams drawn = formDiagrams(pier.state, pier.controls());
        EXPECT_EQ(pier.reads, 1) << c.nj;
        ASSERT_EQ(drawn.diagrams.size(), 1u) << c.nj;
        const diagram::Diagram& d = drawn.diagrams.front();
        EXPECT_EQ(d.steelText, c.steel);
        ASSERT_EQ(d.loads.size(), 1u);
        EXPECT_EQ(d.loads[0].name, std::string("Nj＝") + c.nj + "，Mj＝" + c.mj);
        EXPECT_EQ(d.loads[0].N, 5000);
    }
}

TEST(FormDiagram, NoneWithoutACompletedRun) {
    Pier pier("optpj");
    EXPECT_TRUE(formDiagrams(pier.state, pier.controls()).diagrams.empty());
    ASSERT_EQ(pier.run("5000", "3000"), CalcStatus::Done);
    ASSERT_FALSE(formDiagrams(pier.state, pier.controls()).diagrams.empty());
    // A run stopped with 应加大截面尺寸！ is the state's last, and has no
    // result to draw.
    ASSERT_EQ(pier.run("60000", "36000"), CalcStatus::EnlargeSection);
    const FormDiagrams drawn = formDiagrams(pier.state, pier.controls());
    EXPECT_TRUE(drawn.diagrams.empty());
    EXPECT_TRUE(drawn.problems.empty());
}

}  // namespace
}  // namespace pilaro
