// One row of a load-case table, run: its input, its status and what the
// window would show for it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "engine/read_outs.h"
#include "table/row_input.h"

namespace pilaro::table {

inline constexpr std::string_view kInputError = "input-error";
// The Chinese status of a row with a result.
inline constexpr std::string_view kDoneText = "完成";

struct RowOutcome {
    RowCase row;
    std::string_view status;  // statusName, or kInputError
    std::string message;      // the window's message, or the input errors
    // In Chinese: 完成, or the window's message, or that of each input error.
    std::string statusText;
    bool hasResult = false;
    bool checkRoad = false;
    CalcResult result;
    // The texts the window shows, without the leading blank, indexed by
    // ReadOutId; empty when the field is emptied.
    ReadOutTexts readOuts;

    const std::string& readOut(ReadOutId id) const { return readOuts[readOutIndex(id)]; }

    bool failsCheck() const { return hasResult && checkRoad && result.verdict != Verdict::Passes; }
};

// Runs the row as a fresh window would; a row with input errors does not
// run.
RowOutcome runRow(RowCase row);

}  // namespace pilaro::table
