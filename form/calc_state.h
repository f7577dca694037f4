// What the form holds for its whole life: the grades picked, the
// calculation type chosen, and the last run that got past its checks. The
// window and the page each own one; the printed report reads it.
#pragma once

#include <string>

#include "engine/calculation.h"

namespace pilaro {

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
};

// One run against the state: runs `input` and, where the status says so,
// keeps it, and the steel as typed, as the last input.
[[nodiscard]] CalcStatus runCalculation(CalcState& state, const CalcInput& input,
                                        std::string steelText = {});

}  // namespace pilaro
