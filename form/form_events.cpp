#include "form/form_events.h"

#include "engine/materials.h"
#include "form/control_table.h"
#include "form/run_fault.h"
#include "form/shown_results.h"
#include "messages/form_messages.h"

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
    ReadInputs read{state.type, {}};
    FormReading reading = readForm(state, recordingReads(controlText, read));
    if (reading.refused())
        return {std::nullopt, std::move(reading.refusal), {}, controlName(reading.fault)};
    const CalcStatus status = runCalculation(state, reading.input, std::move(reading.steelText));
    if (status != CalcStatus::Done)
        return {status,
                std::string(statusMessage(status)),
                {},
                controlName(faultOf(status, reading.input))};
    state.shownRun = std::move(read);
    const bool checkRoad = takesCheckRoad(reading.input);
    // The road follows the area, not the option: a check without one is
    // designed, which the option chosen would not tell.
    std::string notice;
    if (reading.input.type == CalcType::Check && !checkRoad)
        notice = messages::formNotice(messages::FormNotice::CheckRanAsDesign).chinese;
    return {status, std::move(notice), shownReadOuts(readOuts(state.result, checkRoad)), {}};
}

PrintOutcome pressPrint(const CalcState& state, const ControlText& controlText) {
    using messages::FormNotice;
    const auto refused = [](FormNotice why) {
        return PrintOutcome{false, messages::formNotice(why).chinese, controlName(FormButton::Run)};
    };
    if (resultsStale(state, controlText)) return refused(FormNotice::StaleResults);
    // The last stored run is the one whose results are on show only when
    // it completed; a stopped one left the read-outs of an earlier run.
    if (!state.shownRun || state.lastRunBlock == CalcType::None)
        return refused(FormNotice::NothingToPrint);
    return {};
}

}  // namespace pilaro
