#include "table/member_summary.h"

#include <cmath>

#include "engine/number_text.h"

namespace pilaro::table {

namespace {

constexpr std::size_t kRowsListed = 10;

void note(std::vector<long>& rows, long row) {
    if (rows.size() < kRowsListed) rows.push_back(row);
}

std::string rowList(const std::vector<long>& rows, long total) {
    std::string text = total == 1 ? "row " : "rows ";
    for (std::size_t i = 0; i < rows.size(); ++i) text += (i ? ", " : "") + std::to_string(rows[i]);
    if (total > static_cast<long>(rows.size())) text += ", …";
    return text;
}

}  // namespace

void MemberSummaries::add(const RowOutcome& o) {
    MemberSummary& s = members_.of(o);
    ++s.rows;
    if (!o.hasResult) {
        ++s.rowsWithoutResult;
        note(s.withoutResultRows, o.row.line);
        return;
    }
    if (!o.checkRoad) {
        ++s.designRows;
        if (s.mostSteelRow == 0 || o.result.Ag > s.mostSteel) {
            s.mostSteelRow = o.row.line;
            s.mostSteel = o.result.Ag;
            s.mostSteelText = o.readOut(ReadOutId::AgRequired);
            s.mostSteelRho = o.readOut(ReadOutId::Rho);
        }
        return;
    }
    ++s.checkRows;
    if (o.failsCheck()) {
        ++s.failingChecks;
        note(s.failingRows, o.row.line);
    }
    const double Nj = valueOr0(o.row.input.Nj);
    if (Nj > 0 && o.result.Nq) {
        const double margin = *o.result.Nq / Nj;
        if (s.smallestMarginRow == 0 || margin < s.smallestMargin) {
            s.smallestMarginRow = o.row.line;
            s.smallestMargin = margin;
        }
    }
}

void MemberSummaries::print(std::FILE* out, bool hasMemberColumn,
                            const std::string& provided) const {
    if (!provided.empty()) std::fprintf(out, "every row checked with %s\n", provided.c_str());
    for (const MemberSummary& s : members_.entries()) {
        const std::string title = !hasMemberColumn   ? std::string("all rows")
                                  : s.member.empty() ? std::string("rows without a member")
                                                     : "member " + s.member;
        std::fprintf(out, "%s: %ld row%s\n", title.c_str(), s.rows, s.rows == 1 ? "" : "s");
        if (s.designRows > 0)
            std::fprintf(out,
                         "  design: most steel %s cm² (rho %s) at row %ld, of %ld design row%s\n",
                         s.mostSteelText.c_str(), s.mostSteelRho.c_str(), s.mostSteelRow,
                         s.designRows, s.designRows == 1 ? "" : "s");
        if (s.checkRows > 0) {
            std::string fails = s.failingChecks == 0
                                    ? "all pass"
                                    : std::to_string(s.failingChecks) + " fail (" +
                                          rowList(s.failingRows, s.failingChecks) + ")";
            std::string margin;
            if (s.smallestMarginRow != 0) {
                // Rounded down, so that a failing check never reads 1.000.
                margin = "; smallest margin Nq/Nj " +
                         fixedDecimalsText(floorToDecimals(s.smallestMargin, 3), 3) + " at row " +
                         std::to_string(s.smallestMarginRow);
            }
            std::fprintf(out, "  check: %ld row%s, %s%s\n", s.checkRows,
                         s.checkRows == 1 ? "" : "s", fails.c_str(), margin.c_str());
        }
        if (s.rowsWithoutResult > 0)
            std::fprintf(out, "  no result: %s\n",
                         rowList(s.withoutResultRows, s.rowsWithoutResult).c_str());
    }
}

}  // namespace pilaro::table
