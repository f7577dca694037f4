// The form's rules as both front ends meet them: every role belongs to the
// control the archived form gave it, the options choose the one
// calculation type, and the diagram after a run is that run's, read and
// run once, its point named by what it stands at and drawn by its road.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_table.h"
#include "form/form_diagram.h"
#include "form/form_events.h"
#include "form/read_out_fields.h"
#include "tests/form/pier_form.h"
#include "tests/support/amplified_moment.h"
#include "tests/support/grades.h"

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

using test::Pier;

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
        // l0 / D = 8.3: the point stands at eta * Mj, and says so.
        EXPECT_EQ(d.loads[0].name,
                  std::string("Nj＝") + c.nj + "，η·Mj＝" +
                      test::amplifiedMomentText(5000, std::stod(c.mj), 1.2, 10, test::k25.modulus));
        EXPECT_EQ(d.loads[0].N, 5000);
    }
}

// Where l0 / D is 7 or less, eta is 1: the point stands at Mj itself and
// is named by it. A design's point is a design's whatever the option; a
// check's has its verdict.
TEST(FormDiagram, NamesThePointAndDrawsItByItsRoad) {
    const struct {
        const char* option;
        const char* length;
        const char* area;
        std::string name;
        bool design;
    } cases[] = {
        {"optpj", "7", "", "Nj＝5000，Mj＝3000", true},
        {"optqd", "7", "", "Nj＝5000，Mj＝3000", true},  // ran as a design
        {"optqd", "7", "24D28", "Nj＝5000，Mj＝3000", false},
        {"optqd", "0", "24D28", "Nj＝5000，Mj＝3000", false},
        {"optpj", "8.5", "",
         "Nj＝5000，η·Mj＝" + test::amplifiedMomentText(5000, 3000, 1.2, 8.5, test::k25.modulus),
         true},
    };
    for (const auto& c : cases) {
        Pier pier(c.option);
        pier.texts["txtlj"] = c.length;
        ASSERT_EQ(pier.run("5000", "3000", c.area), CalcStatus::Done) << c.length;
        const FormDiagrams drawn = formDiagrams(pier.state, pier.controls());
        ASSERT_EQ(drawn.diagrams.size(), 1u) << c.length;
        const diagram::LoadMark& mark = drawn.diagrams.front().loads.at(0);
        EXPECT_EQ(mark.name, c.name);
        EXPECT_EQ(mark.design, c.design) << c.option << " " << c.area;
        EXPECT_TRUE(mark.hasVerdict());
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
