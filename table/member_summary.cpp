#include "table/member_summary.h"

namespace pilaro::table {

namespace {

void note(std::vector<long>& rows, long row) {
    if (rows.size() < kRowsListed) rows.push_back(row);
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

}  // namespace pilaro::table
