// What one press of 运  行 did, under either method: what to say, what
// the read-outs show now, and where the focus goes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation.h"
#include "form/read_out_fields.h"
#include "jtg3362/records.h"

namespace pilaro {

struct RunOutcome {
    // The archived run's status; none when the run was refused before it
    // began, or ran under the current code.
    std::optional<CalcStatus> status;
    // The same of a run under the current code.
    std::optional<jtg3362::Status> currentStatus;
    // The dialog's text; empty when there is nothing to say. A check whose
    // given area reads as 0 (is empty, under the current code) takes the
    // design road, and says so here.
    std::string message;
    // The read-out fields to write, in display order; empty unless the
    // run's figures are on show.
    std::vector<ShownReadOut> readOuts;
    // The control the focus goes to once the message is read: the field
    // or list at fault; empty where the focus stays where it is.
    std::string_view focus;
    // The read-outs now show this run: a completed run, or a design under
    // the current code whose section must be enlarged, whose figures are
    // those at 5 % (and whose message says so).
    bool shown = false;
};

}  // namespace pilaro
