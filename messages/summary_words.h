// The words of a run's summary, line by line: which lines it has, and for
// which members, is table/summary_text.h's to say.
#pragma once

#include <span>
#include <string_view>

#include "messages/wording.h"

namespace pilaro::messages {

// How the summary names a member's rows: 构件 P1 (member P1), 全表 (all
// rows) of a table without members, 未填构件的行 (rows without a member).
[[nodiscard]] Message memberTitle(std::string_view member, bool hasMemberColumn);

// "构件 P1：3 行", with "，按 24D28 校核" when `steel` is given.
[[nodiscard]] Message summaryTitleLine(const Message& title, long rows, std::string_view steel);

// The most steel of a member's designs: its text, ratio and row.
[[nodiscard]] Message summaryDesignLine(long designRows, std::string_view mostSteel,
                                        std::string_view rho, long row);

// A member's checks: the failing rows (the first of `failing`), and the
// smallest margin Nq/Nj and its row when `marginRow` is not 0.
[[nodiscard]] Message summaryCheckLine(long checkRows, std::span<const long> failingRows,
                                       long failing, std::string_view smallestMargin,
                                       long marginRow);

// The same lines for a member's rows of the current code, JTG 3362-2018,
// which stand apart from the archived method's: the most steel of its
// designs, and its checks with the largest utilisation γ0Nd/Nu and its row
// when `governingRow` is not 0 (empty `largestUtilisation`: that check's
// capacity shows as 0, so it has none).
[[nodiscard]] Message summaryCurrentDesignLine(long designRows, std::string_view mostSteel,
                                               std::string_view rho, long row);
[[nodiscard]] Message summaryCurrentCheckLine(long checkRows, std::span<const long> failingRows,
                                              long failing, std::string_view largestUtilisation,
                                              long governingRow);

// The rows without a result (the first of `total`).
[[nodiscard]] Message summaryWithoutResultLine(std::span<const long> rows, long total);

// The members left out of a long summary; `wholeOption` is the option
// that lists them all.
[[nodiscard]] Message summaryHiddenLine(long hidden, std::string_view wholeOption);

// Every row checked with the steel given for all members.
[[nodiscard]] Message summaryEveryRowChecked(std::string_view steel);

// The grand total; `members` counts only where the table has members.
[[nodiscard]] Message summaryTotalLine(bool hasMemberColumn, long members, long rows,
                                       long failingChecks, long rowsWithoutResult);

}  // namespace pilaro::messages
