// One row of a load-case table, run: its input, its status and what the
// window would show for it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "engine/read_outs.h"
#include "jtg3362/read_outs.h"
#include "jtg3362/records.h"
#include "messages/language.h"
#include "table/row_input.h"

namespace pilaro::table {

inline constexpr std::string_view kInputError = "input-error";

struct RowOutcome {
    RowCase row;
    std::string_view status;             // statusName, or kInputError
    CalcStatus stop = CalcStatus::Done;  // the archived run's status; Done without a run
    std::string message;                 // the window's message, or the input errors
    // In Chinese: 完成, or the window's message, or that of each input error.
    std::string statusText;
    bool hasResult = false;
    bool checkRoad = false;
    CalcResult result;
    // The texts the window shows, without the leading blank, indexed by
    // ReadOutId; empty when the field is emptied.
    ReadOutTexts readOuts;

    // A row of the current code (row.method): its run and the texts of its
    // read-outs, indexed by jtg3362::ReadOut; `result` and `readOuts`
    // stay empty. Its texts are there where the run has figures, also
    // where the section must be enlarged (the capacities at 5 %), which is
    // no result.
    jtg3362::Outcome current;
    jtg3362::ReadOutTexts currentReadOuts;

    const std::string& readOut(ReadOutId id) const { return readOuts[readOutIndex(id)]; }
    const std::string& currentReadOut(jtg3362::ReadOut id) const {
        return currentReadOuts[jtg3362::readOutIndex(id)];
    }

    bool isCurrentCode() const { return row.method == Method::Jtg3362; }
    // The current code ran the row: it has no input errors.
    bool ranCurrentCode() const { return isCurrentCode() && row.errors.empty(); }
    Verdict verdict() const { return isCurrentCode() ? current.result.verdict : result.verdict; }
    bool failsCheck() const { return hasResult && checkRoad && verdict() != Verdict::Passes; }
};

// What the engine answers for a row, before any text is written of it: the
// archived run's status and result, or the current code's run. Plain
// values, so that one worker of the page's tables can run the engine for
// rows whose outcomes another one writes.
struct RowAnswer {
    // The row's line and a digest of its cells, so that an answer is never
    // taken for another row.
    long line = 0;
    std::uint64_t cells = 0;
    CalcStatus stop = CalcStatus::Done;
    CalcResult result;
    jtg3362::Outcome current;
};

// A digest of the row's cells (FNV-1a), for RowAnswer::cells.
[[nodiscard]] std::uint64_t cellsDigest(const RowCase& row);

// Runs the engine on the row by the method its grades choose; a row with
// input errors does not run.
RowAnswer answerRow(const RowCase& row);

// The row's outcome from the engine's answer for it (answerRow's).
RowOutcome runRow(RowCase row, const RowAnswer& answer);

// Runs the row as a fresh window would, by the method its grades choose; a
// row with input errors does not run.
RowOutcome runRow(RowCase row);

// The row's message as the user is told it: the run's, or its input
// errors naming the columns as the header wrote them (RowError::told).
// Empty for a row with a result.
std::string toldMessage(const RowOutcome& outcome, Language language);

}  // namespace pilaro::table
