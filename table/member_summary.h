// The governing case of each member: the design row that needs the most
// steel, the checks that fail and the smallest margin Nq/Nj, and the rows
// without a result. Kept per member, in the order members first appear.
#pragma once

#include <string>
#include <vector>

#include "table/by_member.h"
#include "table/row_outcome.h"

namespace pilaro::table {

// How many rows a summary lists by number, of those that fail or have no
// result.
inline constexpr std::size_t kRowsListed = 10;

// A member's rows of the current code, JTG 3362-2018, kept apart from the
// archived method's: the figures of two methods are not compared.
struct CurrentCodeSummary {
    long designRows = 0;
    long mostSteelRow = 0;  // the governing design row; 0 when none
    double mostSteel = 0;   // cm^2, as reported
    std::string mostSteelText;
    std::string mostSteelRho;

    long checkRows = 0;
    long failingChecks = 0;
    std::vector<long> failingRows;  // the first few (kRowsListed)
    // The governing check: the largest utilisation γ0Nd/Nu, a check whose
    // capacity shows as 0 (no utilisation) before any; 0 when no check.
    long governingCheckRow = 0;
    double largestUtilisation = 0;
    std::string largestUtilisationText;  // as its read-out shows it; empty for none
};

struct MemberSummary {
    std::string member;  // empty: rows without a member, or a table without the column
    long rows = 0;

    long designRows = 0;
    long mostSteelRow = 0;      // the governing design row; 0 when none
    double mostSteel = 0;       // cm^2, as reported
    std::string mostSteelText;  // as the read-out shows it
    std::string mostSteelRho;

    long checkRows = 0;
    long failingChecks = 0;
    std::vector<long> failingRows;  // the first few (kRowsListed)
    long smallestMarginRow = 0;     // 0 when no check has a positive Nj
    double smallestMargin = 0;

    long rowsWithoutResult = 0;           // of either method
    std::vector<long> withoutResultRows;  // the first few

    // The fields above, but the rows and those without a result, count
    // the archived method's rows; these the current code's.
    CurrentCodeSummary current;

    [[nodiscard]] long allFailingChecks() const { return failingChecks + current.failingChecks; }
};

class MemberSummaries {
  public:
    void add(const RowOutcome& outcome);

    // Their texts are in table/summary_text.h.
    const std::vector<MemberSummary>& members() const { return members_.entries(); }

  private:
    ByMember<MemberSummary> members_;
};

}  // namespace pilaro::table
