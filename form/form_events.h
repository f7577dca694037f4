// The form's events on the state it works on: a list entry picked, an
// option chosen, 运  行 and 打  印 pressed. The window and the page hand
// every event here by the control's name and show what comes back, so that
// neither knows what a control means or how a run goes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/calc_state.h"
#include "form/form_reading.h"
#include "form/read_out_fields.h"

namespace pilaro {

// The entries of a list in list order: the concrete grades for the
// concrete list, the steel grades for the steel list; none for any other
// control.
[[nodiscard]] std::vector<std::string_view> listEntries(std::string_view list);

// An entry picked from a grade list: an entry of the grade table sets its
// values in the state; any other text, or any other control, changes
// nothing.
void pickEntry(CalcState& state, std::string_view list, std::string_view entry);

// An option chosen: its calculation type becomes the state's. Any other
// control changes nothing.
void chooseOption(CalcState& state, std::string_view option);

// A control that is shown or hidden by the state: the given area's field
// is shown only while 强度校核 is chosen.
struct ControlShown {
    std::string_view control;
    bool shown = false;
};
[[nodiscard]] std::vector<ControlShown> shownControls(const CalcState& state);

// What one press of 运  行 did.
struct RunOutcome {
    // The run's status; none when the run was refused before it began.
    std::optional<CalcStatus> status;
    // The dialog's text; empty when there is nothing to say. A check whose
    // given area reads as 0 takes the design road, and says so here.
    std::string message;
    // The read-out fields to write, in display order; empty unless Done.
    std::vector<ShownReadOut> readOuts;
    // The control the focus goes to once the message is read: the field
    // or list at fault; empty where the focus stays where it is.
    std::string_view focus;
};

// The controls are read by readForm (no type, a list that does not show
// the held grade and a field that is not wholly a number refuse the run);
// a refused or stopped run leaves every read-out as it was. The read-outs
// are written before the message is shown. A completed run keeps what the
// controls showed to it (shown_results.h).
[[nodiscard]] RunOutcome pressRun(CalcState& state, const ControlText& controlText);

// What one press of 打  印 does: print the report of the state, or say why
// not. A sheet describes a completed run whose results are on show and
// still belong to the form: before such a run, after a run that stopped,
// and while the results are stale, it is refused, and the focus goes to
// 运  行.
struct PrintOutcome {
    bool prints = true;
    std::string message;  // the dialog's text; empty when there is nothing to say
    std::string_view focus;
};
[[nodiscard]] PrintOutcome pressPrint(const CalcState& state, const ControlText& controlText);

}  // namespace pilaro
