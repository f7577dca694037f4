// The form's rules as both front ends meet them: every role belongs to the
// control the archived form gave it, the options choose the one
// calculation type, and 打  印 is never refused.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "form/control_table.h"
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

    explicit Pier(std::string_view option) {
        pickEntry(state, "cbohnt", "25号");
        pickEntry(state, "cbogj", "\u2161级");
        chooseOption(state, option);
    }
    ControlText controls() {
        return [this](std::string_view name) {
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

}  // namespace
}  // namespace pilaro
