// What the form holds for its whole life: the method chosen, the grades
// picked, the calculation type chosen, the last run that got past its
// checks, and what the controls showed to the run whose results are on
// show. The window and the page each own one; the printed report reads it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculation.h"
#include "jtg3362/records.h"
#include "table/row_method.h"

namespace pilaro {

// The inputs a completed run read, as the controls showed them: each
// control's name and text, and the calculation type chosen then.
struct ReadInputs {
    CalcType type = CalcType::None;
    table::Method method = table::Method::Archived;
    std::vector<std::pair<std::string, std::string>> texts;
};

// The current code's part of the form (JTG 3362-2018): the grades and the
// importance factor picked, and its last run whose figures are on show.
struct CurrentCodeState {
    std::string concrete;  // the entry picked ("C30"); empty before any pick
    std::string steel;     // "HRB400"
    double gamma0 = 1.0;   // safety grade 二 until another is picked
    // A run whose figures the read-outs show: Done, or EnlargeSection with
    // the capacities at 5 %. A run refused or stopped leaves the last one.
    jtg3362::Input lastInput;
    jtg3362::Outcome lastOutcome;
    // A check's steel as it was typed ("28D28"); empty for a design.
    std::string lastSteelText;
};

struct CalcState {
    // The method chosen: the archived one until JTG 3362-2018 is chosen.
    // The archived method's grades and runs are the fields below; the
    // current code's are in `current`.
    table::Method method = table::Method::Archived;
    CurrentCodeState current;
    MaybeValue Ra;
    MaybeValue Eh;
    MaybeValue Rg;
    MaybeValue Eg;
    // The option chosen: 配筋计算 (Design), 强度校核 (Check), or none yet.
    CalcType type = CalcType::None;
    CalcInput lastInput;
    // The given steel of the last stored run as it was typed ("24D28"),
    // without the blanks around it; empty on the design road.
    std::string lastSteelText;
    CalcResult result;
    // The block of results the last stored run computed, by its road:
    // None before any run and after a run that stopped at EnlargeSection.
    CalcType lastRunBlock = CalcType::None;
    // What the run whose results are on show read; none before the first
    // completed run, and none once the method is switched, which clears
    // them. A stopped or refused run leaves it: the read-outs still show
    // that run.
    std::optional<ReadInputs> shownRun;
};

// One run against the state: runs `input` and, where the status says so,
// keeps it, and the steel as typed, as the last input.
[[nodiscard]] CalcStatus runCalculation(CalcState& state, const CalcInput& input,
                                        std::string steelText = {});

}  // namespace pilaro
