#include "form/current_run.h"

#include "form/control_table.h"
#include "form/current_reading.h"
#include "form/run_fault.h"
#include "form/shown_results.h"
#include "jtg3362/messages.h"
#include "jtg3362/read_outs.h"
#include "jtg3362/run.h"
#include "messages/form_messages.h"

namespace pilaro {

RunOutcome pressCurrentRun(CalcState& state, const ControlText& controlText) {
    ReadInputs read{state.type, table::Method::Jtg3362, {}};
    CurrentReading reading = readCurrentForm(state, recordingReads(controlText, read));
    RunOutcome out;
    if (reading.refused()) {
        out.message = std::move(reading.refusal);
        out.focus = controlName(reading.fault);
        return out;
    }
    const jtg3362::Input& input = reading.input;
    jtg3362::Outcome outcome = jtg3362::run(input);
    out.currentStatus = outcome.status;
    out.message = jtg3362::statusMessage(outcome);
    out.focus = controlName(faultOf(outcome.status));
    if (outcome.status != jtg3362::Status::Done &&
        outcome.status != jtg3362::Status::EnlargeSection)
        return out;

    const jtg3362::ReadOutTexts texts = jtg3362::readOuts(input.task, outcome);
    CurrentCodeState& current = state.current;
    current.lastInput = input;
    current.lastOutcome = std::move(outcome);
    current.lastSteelText =
        input.task == jtg3362::Task::Check ? std::move(reading.steelText) : std::string();
    state.shownRun = std::move(read);
    out.shown = true;
    out.readOuts = shownCurrentReadOuts(texts);
    // The road follows the area, not the option: a check without one is
    // designed, which the option chosen would not tell.
    if (out.message.empty() && state.type == CalcType::Check && input.task == jtg3362::Task::Design)
        out.message = messages::formNotice(messages::FormNotice::CurrentCheckRanAsDesign).chinese;
    return out;
}

}  // namespace pilaro
