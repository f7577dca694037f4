#include "form/form_events.h"

#include "engine/materials.h"
#include "form/control_table.h"
#include "form/current_run.h"
#include "form/method_choice.h"
#include "form/run_fault.h"
#include "form/shown_results.h"
#include "jtg3362/materials.h"
#include "messages/form_messages.h"

namespace pilaro {

namespace {

using table::Method;

// The role of the control named `name`; none for a name the table lacks.
ControlRole roleOf(std::string_view name) {
    const ControlRow* row = findControl(name);
    return row ? row->role : ControlRole{};
}

template <class Grades>
std::vector<std::string_view> textsOf(const Grades& grades) {
    std::vector<std::string_view> texts;
    for (const auto& grade : grades) texts.push_back(grade.text);
    return texts;
}

// The archived grades the state holds, found by their values; empty for
// none.
std::string_view heldConcrete(const CalcState& state) {
    for (const ConcreteGrade& grade : concreteGrades())
        if (state.Ra == grade.Ra && state.Eh == grade.Eh) return grade.text;
    return {};
}

std::string_view heldSteel(const CalcState& state) {
    for (const SteelGrade& grade : steelGrades())
        if (state.Rg == grade.Rg && state.Eg == grade.Eg) return grade.text;
    return {};
}

// The entry a list shows for what the state holds; empty for none.
std::string_view heldEntry(const CalcState& state, FormInput list) {
    const bool current = state.method == Method::Jtg3362;
    switch (list) {
        case FormInput::ConcreteGrade:
            return current ? std::string_view(state.current.concrete) : heldConcrete(state);
        case FormInput::SteelGrade:
            return current ? std::string_view(state.current.steel) : heldSteel(state);
        case FormInput::Method:
            return methodEntry(state.method);
        case FormInput::ImportanceFactor:
            return importanceFactorEntry(state.current.gamma0);
        default:
            return {};
    }
}

// A switch of method: the grade lists of the method now chosen, every
// read-out emptied, and what shows.
FormChange switchedTo(CalcState& state, Method method) {
    FormChange change;
    state.method = method;
    state.shownRun.reset();
    for (ListContents& list : formLists(state))
        if (roleOf(list.list) == ControlRole{FormInput::ConcreteGrade} ||
            roleOf(list.list) == ControlRole{FormInput::SteelGrade})
            change.lists.push_back(std::move(list));
    for (const ControlRow& row : mainWindowControls())
        if (row.readOut()) change.fields.push_back({row.name, row.text});
    // Before any option the given area's field is as the front end opened
    // it.
    change.shown = state.type == CalcType::None ? methodControls(state) : shownControls(state);
    change.places = methodPlaces(method);
    change.resultsCleared = true;
    return change;
}

}  // namespace

std::vector<std::string_view> listEntries(const CalcState& state, std::string_view list) {
    const ControlRole role = roleOf(list);
    const bool current = state.method == Method::Jtg3362;
    if (role == ControlRole{FormInput::ConcreteGrade})
        return current ? textsOf(jtg3362::concreteGrades()) : textsOf(concreteGrades());
    if (role == ControlRole{FormInput::SteelGrade})
        return current ? textsOf(jtg3362::steelGrades()) : textsOf(steelGrades());
    if (role == ControlRole{FormInput::Method}) return methodEntries();
    if (role == ControlRole{FormInput::ImportanceFactor}) return importanceFactorEntries();
    return {};
}

std::vector<std::string_view> listEntries(std::string_view list) {
    return listEntries(CalcState{}, list);
}

std::vector<ListContents> formLists(const CalcState& state) {
    std::vector<ListContents> lists;
    for (const ControlRow& row : mainWindowControls()) {
        if (row.kind != ControlKind::DropDownList && row.kind != ControlKind::ChoiceList) continue;
        const std::string_view held = heldEntry(state, std::get<FormInput>(row.role));
        lists.push_back({row.name, listEntries(state, row.name), held.empty() ? row.text : held});
    }
    return lists;
}

FormChange pickEntry(CalcState& state, std::string_view list, std::string_view entry) {
    const ControlRole role = roleOf(list);
    const bool current = state.method == Method::Jtg3362;
    if (role == ControlRole{FormInput::ConcreteGrade}) {
        if (current && jtg3362::findConcrete(entry)) state.current.concrete = std::string(entry);
        if (const ConcreteGrade* grade = findConcreteGrade(entry); !current && grade) {
            state.Ra = grade->Ra;
            state.Eh = grade->Eh;
        }
    }
    if (role == ControlRole{FormInput::SteelGrade}) {
        if (current && jtg3362::findSteel(entry)) state.current.steel = std::string(entry);
        if (const SteelGrade* grade = findSteelGrade(entry); !current && grade) {
            state.Rg = grade->Rg;
            state.Eg = grade->Eg;
        }
    }
    if (role == ControlRole{FormInput::ImportanceFactor})
        if (const std::optional<double> gamma0 = importanceFactorOfEntry(entry))
            state.current.gamma0 = *gamma0;
    if (role == ControlRole{FormInput::Method})
        if (const std::optional<Method> method = methodOfEntry(entry);
            method && *method != state.method)
            return switchedTo(state, *method);
    return {};
}

void chooseOption(CalcState& state, std::string_view option) {
    const ControlRole role = roleOf(option);
    if (const auto* type = std::get_if<CalcType>(&role)) state.type = *type;
}

std::vector<ControlShown> methodControls(const CalcState& state) {
    std::vector<ControlShown> shown;
    for (const ControlRow& row : mainWindowControls())
        if (row.method) shown.push_back({row.name, *row.method == state.method});
    return shown;
}

std::vector<ControlShown> shownControls(const CalcState& state) {
    std::vector<ControlShown> shown = {
        {controlName(FormInput::GivenArea), state.type == CalcType::Check}};
    for (const ControlShown& control : methodControls(state)) shown.push_back(control);
    return shown;
}

RunOutcome pressRun(CalcState& state, const ControlText& controlText) {
    if (state.method == Method::Jtg3362) return pressCurrentRun(state, controlText);
    ReadInputs read{state.type, Method::Archived, {}};
    FormReading reading = readForm(state, recordingReads(controlText, read));
    RunOutcome out;
    if (reading.refused()) {
        out.message = std::move(reading.refusal);
        out.focus = controlName(reading.fault);
        return out;
    }
    const CalcStatus status = runCalculation(state, reading.input, std::move(reading.steelText));
    out.status = status;
    if (status != CalcStatus::Done) {
        out.message = statusMessage(status);
        out.focus = controlName(faultOf(status, reading.input));
        return out;
    }
    state.shownRun = std::move(read);
    const bool checkRoad = takesCheckRoad(reading.input);
    // The road follows the area, not the option: a check without one is
    // designed, which the option chosen would not tell.
    if (reading.input.type == CalcType::Check && !checkRoad)
        out.message = messages::formNotice(messages::FormNotice::CheckRanAsDesign).chinese;
    out.readOuts = shownReadOuts(readOuts(state.result, checkRoad));
    out.shown = true;
    return out;
}

PrintOutcome pressPrint(const CalcState& state, const ControlText& controlText) {
    using messages::FormNotice;
    const auto refused = [](FormNotice why) {
        return PrintOutcome{false, messages::formNotice(why).chinese, controlName(FormButton::Run)};
    };
    if (resultsStale(state, controlText)) return refused(FormNotice::StaleResults);
    // The last stored run is the one whose results are on show only when
    // it completed; a stopped one left the read-outs of an earlier run.
    // Under the current code only a run with figures is kept.
    if (!state.shownRun ||
        (state.method == Method::Archived && state.lastRunBlock == CalcType::None))
        return refused(FormNotice::NothingToPrint);
    return {};
}

}  // namespace pilaro
