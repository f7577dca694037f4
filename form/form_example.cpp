#include "form/form_example.h"

#include "engine/materials.h"
#include "form/control_table.h"
#include "jtg3362/materials.h"

namespace pilaro {

namespace {

bool onlyBlanks(std::string_view text) {
    return text.find_first_not_of(" \t\n") == std::string_view::npos;
}

}  // namespace

FormExample designExample(table::Method method) {
    const bool current = method == table::Method::Jtg3362;
    // The lists' third and second entries, in their archived order, or
    // their second entries under the current code.
    const std::string_view concrete =
        current ? jtg3362::concreteGrades()[1].text : concreteGrades()[2].text;  // 25号, C30
    const std::string_view steel =
        current ? jtg3362::steelGrades()[1].text : steelGrades()[1].text;  // Ⅱ级, HRB400
    return {controlName(CalcType::Design),
            {{controlName(FormInput::ConcreteGrade), concrete},
             {controlName(FormInput::SteelGrade), steel}},
            {{controlName(FormInput::AxialForce), "5000"},
             {controlName(FormInput::Moment), "3000"},
             {controlName(FormInput::Diameter), "1.2"},
             {controlName(FormInput::Cover), "0.05"},
             {controlName(FormInput::Length), "10"}}};
}

bool exampleReplacesInputs(const CalcState& state, const ControlText& controlText) {
    const FormExample example = designExample(state.method);
    if (state.type != CalcType::None && controlName(state.type) != example.option) return true;
    for (const auto& settings : {example.entries, example.fields})
        for (const ControlSetting& setting : settings) {
            const std::string shown = controlText(setting.control);
            if (!onlyBlanks(shown) && shown != setting.text) return true;
        }
    return false;
}

std::vector<ControlSetting> clearForm(CalcState& state) {
    const table::Method method = state.method;
    state = CalcState{};
    state.method = method;
    std::vector<ControlSetting> fields;
    for (const ControlRow& row : mainWindowControls())
        if (row.kind == ControlKind::TextField) fields.push_back({row.name, row.text});
    return fields;
}

}  // namespace pilaro
