// The form's rules as both front ends meet them: every role belongs to the
// control the archived form gave it.
#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "form/control_table.h"
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

}  // namespace
}  // namespace pilaro
