// What the form holds for its whole life: the grades picked, the
// calculation type chosen, the last run that got past its checks, and
// what the controls showed to the run whose results are on show. The
// window and the page each own one; the printed report reads it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/calculation.h"

namespace pilaro {

// The inputs a completed run read, as the controls showed them: each
// control's name and text, and the calculation type chosen then.
struct ReadInputs {
    CalcType type = CalcType::None;
    std::vector<std::pair<std::string, std::string>> texts;
};

struct CalcState {
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
    // completed run. A stopped or refused run leaves it: the read-outs
    // still show that run.
    std::optional<ReadInputs> shownRun;
};

// One run against the state: runs `input` and, where the status says so,
// keeps it, and the steel as typed, as the last input.
[[nodiscard]] CalcStatus runCalculation(CalcState& state, const CalcInput& input,
                                        std::string steelText = {});

}  // namespace pilaro
