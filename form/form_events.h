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
#include "form/control_setting.h"
#include "form/control_table.h"
#include "form/form_reading.h"
#include "form/read_out_fields.h"
#include "form/run_outcome.h"

namespace pilaro {

// The entries of a list in list order, for the method the state holds:
// its concrete grades for the concrete list, its steel grades for the
// steel list (C25 … C80 and HPB300 … HRB500 under JTG 3362-2018), the
// methods, and the importance factors; none for any other control.
[[nodiscard]] std::vector<std::string_view> listEntries(const CalcState& state,
                                                        std::string_view list);
// As the form opens: the archived method's.
[[nodiscard]] std::vector<std::string_view> listEntries(std::string_view list);

// Every list with its entries and the text it shows for the state: the
// grade picked under the method chosen, the method, γ0.
[[nodiscard]] std::vector<ListContents> formLists(const CalcState& state);

// A control that is shown or hidden by the state: the given area's field
// is shown only while 强度校核 is chosen, and a control of one method only
// while that method is.
struct ControlShown {
    std::string_view control;
    bool shown = false;
};
[[nodiscard]] std::vector<ControlShown> shownControls(const CalcState& state);
// The controls of one method alone: what the form shows before any option
// is chosen, where the window shows the given area's field as it opens.
[[nodiscard]] std::vector<ControlShown> methodControls(const CalcState& state);

// What the front end shows anew after a list's pick: nothing for a grade
// or γ0; after a switch of method, the grade lists of that method with its
// picks, every read-out at its opening text (the results belonged to the
// other method), the controls shown and moved, and the form's new client
// area.
struct FormChange {
    std::vector<ListContents> lists;
    std::vector<ControlSetting> fields;
    std::vector<ControlShown> shown;
    // The controls that stand elsewhere under the method now chosen.
    std::vector<ControlPlace> places;
    bool resultsCleared = false;
};

// An entry picked from a list: a grade of the method chosen sets it in
// the state, an importance factor sets γ0, and a method switches to it,
// keeping every field typed and each method's picks. Any other text, or
// any other control, changes nothing.
FormChange pickEntry(CalcState& state, std::string_view list, std::string_view entry);

// An option chosen: its calculation type becomes the state's. Any other
// control changes nothing.
void chooseOption(CalcState& state, std::string_view option);

// The controls are read by readForm, or readCurrentForm under the current
// code (no type, a list that does not show the held grade and a field that
// is not wholly a number refuse the run); a refused or stopped run leaves
// every read-out as it was. The read-outs are written before the message
// is shown. A completed run keeps what the controls showed to it
// (shown_results.h).
[[nodiscard]] RunOutcome pressRun(CalcState& state, const ControlText& controlText);

// What one press of 打  印 does: print the report of the state, or say why
// not. A sheet describes a completed run whose results are on show and
// still belong to the form: before such a run, after a run that stopped,
// after a switch of method, and while the results are stale, it is
// refused, and the focus goes to 运  行.
struct PrintOutcome {
    bool prints = true;
    std::string message;  // the dialog's text; empty when there is nothing to say
    std::string_view focus;
};
[[nodiscard]] PrintOutcome pressPrint(const CalcState& state, const ControlText& controlText);

}  // namespace pilaro
