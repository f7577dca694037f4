#include "web/page_form.h"

#include "engine/materials.h"

namespace pilaro::web {

std::vector<std::string_view> listEntries(std::string_view list) {
    std::vector<std::string_view> entries;
    if (list == "cbohnt")
        for (const ConcreteGrade& grade : concreteGrades()) entries.push_back(grade.text);
    if (list == "cbogj")
        for (const SteelGrade& grade : steelGrades()) entries.push_back(grade.text);
    return entries;
}

void pickEntry(CalcState& state, std::string_view list, std::string_view entry) {
    if (list == "cbohnt") pickConcrete(state, entry);
    if (list == "cbogj") pickSteel(state, entry);
}

void chooseOption(CalcState& state, std::string_view option) {
    if (option == "optpj") {
        state.flagDesign = 1;
        state.flagCheck = 0;
    }
    if (option == "optqd") {
        state.flagDesign = 0;
        state.flagCheck = 1;
    }
}

FieldShown givenAreaField(const CalcState& state) {
    return {"txtag1", state.type() == CalcType::Check};
}

RunOutcome pressRun(CalcState& state, const FieldText& fieldText) {
    if (state.type() == CalcType::None)
        return {CalcStatus::NoType, std::string(statusMessage(CalcStatus::NoType)), {}};
    FormReading reading = readRunInput(state, fieldText);
    if (!reading.input) return {std::nullopt, std::move(reading.refusal), {}};
    const CalcStatus status = runCalculation(state, *reading.input);
    if (status != CalcStatus::Done) return {status, std::string(statusMessage(status)), {}};
    return {status, {}, readOuts(state.result, takesCheckRoad(*reading.input))};
}

std::vector<std::string_view> readOutFields() {
    std::vector<std::string_view> fields;
    for (const ReadOut& readOut : readOuts(CalcResult{}, false)) fields.push_back(readOut.field);
    return fields;
}

}  // namespace pilaro::web
