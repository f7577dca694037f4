// One row of a load-case table, run: its input, its status and what the
// window would show for it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/calculation.h"
#include "table/row_input.h"

namespace pilaro::table {

// The read-outs in the output's order: xi, coefA … coefD, rho, AgRequired,
// D12 … D36, rhoGiven, Nq, Mq, verdict.
inline constexpr std::size_t kReadOutCount = 22;
const std::array<std::string_view, kReadOutCount>& readOutNames();

inline constexpr std::string_view kInputError = "input-error";

struct RowOutcome {
    RowCase row;
    std::string_view status;  // statusName, or kInputError
    std::string message;      // the window's message, or the input errors
    bool hasResult = false;
    bool checkRoad = false;
    CalcResult result;
    // The texts the window shows, without the leading blank; empty when the
    // field is emptied.
    std::array<std::string, kReadOutCount> readOuts;

    // The read-out text of one result name ("AgRequired").
    const std::string& readOut(std::string_view name) const;

    bool failsCheck() const { return hasResult && checkRoad && result.verdict != "通过验算！"; }
};

// Runs the row as a fresh window would; a row with input errors does not
// run.
RowOutcome runRow(RowCase row);

}  // namespace pilaro::table
