// One row of a load-case table, run: its input, its status and what the
// window would show for it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "engine/read_outs.h"
#include "messages/language.h"
#include "table/row_input.h"

namespace pilaro::table {

inline constexpr std::string_view kInputError = "input-error";

struct RowOutcome {
    RowCase row;
    std::string_view status;             // statusName, or kInputError
    CalcStatus stop = CalcStatus::Done;  // the run's status; Done without a run
    std::string message;                 // the window's message, or the input errors
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

// The row's message as the user is told it: the run's, or its input
// errors naming the columns as the header wrote them (RowError::told).
// Empty for a row with a result.
std::string toldMessage(const RowOutcome& outcome, Language language);

}  // namespace pilaro::table
