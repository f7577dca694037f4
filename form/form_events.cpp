#include "form/form_events.h"

#include "engine/materials.h"

namespace pilaro {

std::vector<std::string_view> listEntries(std::string_view list) {
    std::vector<std::string_view> entries;
    if (list == "cbohnt")
        for (const ConcreteGrade& grade : concreteGrades()) entries.push_back(grade.text);
    if (list == "cbogj")
        for (const SteelGrade& grade : steelGrades()) entries.push_back(grade.text);
    return entries;
}

void pickEntry(CalcState& state, std::string_view list, std::string_view entry) {
    if (list == "cbohnt")
        if (const ConcreteGrade* grade = findConcreteGrade(entry)) {
            state.Ra = grade->Ra;
            state.Eh = grade->Eh;
        }
    if (list == "cbogj")
        if (const SteelGrade* grade = findSteelGrade(entry)) {
            state.Rg = grade->Rg;
            state.Eg = grade->Eg;
        }
}

void chooseOption(CalcState& state, std::string_view option) {
    if (option == "optpj") state.type = CalcType::Design;
    if (option == "optqd") state.type = CalcType::Check;
}

FieldShown givenAreaField(const CalcState& state) {
    return {"txtag1", state.type == CalcType::Check};
}

RunOutcome pressRun(CalcState& state, const ControlText& controlText) {
    FormReading reading = readForm(state, controlText);
    if (reading.refused()) return {std::nullopt, std::move(reading.refusal), {}};
    const CalcStatus status = runCalculation(state, reading.input);
    if (status != CalcStatus::Done) return {status, std::string(statusMessage(status)), {}};
    return {status, {}, shownReadOuts(readOuts(state.result, takesCheckRoad(reading.input)))};
}

}  // namespace pilaro
