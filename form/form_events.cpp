#include "form/form_events.h"

#include "engine/materials.h"
#include "form/control_table.h"

namespace pilaro {

namespace {

// The role of the control named `name`; none for a name the table lacks.
ControlRole roleOf(std::string_view name) {
    const ControlRow* row = findControl(name);
    return row ? row->role : ControlRole{};
}

}  // namespace

std::vector<std::string_view> listEntries(std::string_view list) {
    std::vector<std::string_view> entries;
    const ControlRole role = roleOf(list);
    if (role == ControlRole{FormInput::ConcreteGrade})
        for (const ConcreteGrade& grade : concreteGrades()) entries.push_back(grade.text);
    if (role == ControlRole{FormInput::SteelGrade})
        for (const SteelGrade& grade : steelGrades()) entries.push_back(grade.text);
    return entries;
}

void pickEntry(CalcState& state, std::string_view list, std::string_view entry) {
    const ControlRole role = roleOf(list);
    if (role == ControlRole{FormInput::ConcreteGrade})
        if (const ConcreteGrade* grade = findConcreteGrade(entry)) {
            state.Ra = grade->Ra;
            state.Eh = grade->Eh;
        }
    if (role == ControlRole{FormInput::SteelGrade})
        if (const SteelGrade* grade = findSteelGrade(entry)) {
            state.Rg = grade->Rg;
            state.Eg = grade->Eg;
        }
}

void chooseOption(CalcState& state, std::string_view option) {
    const ControlRole role = roleOf(option);
    if (const auto* type = std::get_if<CalcType>(&role)) state.type = *type;
}

std::vector<ControlShown> shownControls(const CalcState& state) {
    return {{controlName(FormInput::GivenArea), state.type == CalcType::Check}};
}

RunOutcome pressRun(CalcState& state, const ControlText& controlText) {
    FormReading reading = readForm(state, controlText);
    if (reading.refused()) return {std::nullopt, std::move(reading.refusal), {}};
    const CalcStatus status = runCalculation(state, reading.input, std::move(reading.steelText));
    if (status != CalcStatus::Done) return {status, std::string(statusMessage(status)), {}};
    return {status, {}, shownReadOuts(readOuts(state.result, takesCheckRoad(reading.input)))};
}

PrintOutcome pressPrint(const CalcState&) {
    return {};
}

}  // namespace pilaro
