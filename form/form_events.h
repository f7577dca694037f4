// The form's events on the calculation state a front end owns. Lists,
// options and fields go by the controls' names, so that a front end knows
// none of their meanings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/calc_state.h"
#include "form/form_reading.h"
#include "form/read_out_fields.h"

namespace pilaro {

// The entries of a list in list order: the concrete grades for cbohnt, the
// steel grades for cbogj; none for any other name.
[[nodiscard]] std::vector<std::string_view> listEntries(std::string_view list);

// An entry picked from cbohnt or cbogj: an entry of the grade table sets
// its values in the state, as the window's list does; any other text
// changes nothing.
void pickEntry(CalcState& state, std::string_view list, std::string_view entry);

// The option 配筋计算 (optpj) or 强度校核 (optqd) chosen.
void chooseOption(CalcState& state, std::string_view option);

// The given steel area's field, shown only while 强度校核 is chosen.
struct FieldShown {
    std::string_view field;
    bool shown = false;
};
[[nodiscard]] FieldShown givenAreaField(const CalcState& state);

// What one press of 运  行 (cmdrun) did.
struct RunOutcome {
    // The run's status; none when the run was refused before it began.
    std::optional<CalcStatus> status;
    // The dialog's text when the run did not complete; empty when it did.
    std::string message;
    // The read-out fields to write, in display order; empty unless Done.
    std::vector<ShownReadOut> readOuts;
};

// The controls are read by the window's own rules (readForm: no type, a
// list that does not show the held grade and a field that is not wholly a
// number refuse the run); a refused or stopped run leaves every read-out
// as it was.
[[nodiscard]] RunOutcome pressRun(CalcState& state, const ControlText& controlText);

}  // namespace pilaro
