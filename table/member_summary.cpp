#include "table/member_summary.h"

#include <limits>

namespace pilaro::table {

namespace {

void note(std::vector<long>& rows, long row) {
    if (rows.size() < kRowsListed) rows.push_back(row);
}

void addCurrentCode(CurrentCodeSummary& s, const RowOutcome& o) {
    using jtg3362::ReadOut;
    const jtg3362::Result& r = o.current.result;
    if (!o.checkRoad) {
        ++s.designRows;
        if (s.mostSteelRow == 0 || r.As > s.mostSteel) {
            s.mostSteelRow = o.row.line;
            s.mostSteel = r.As;
            s.mostSteelText = o.currentReadOut(ReadOut::AgRequired);
            s.mostSteelRho = o.currentReadOut(ReadOut::Rho);
        }
        return;
    }
    ++s.checkRows;
    if (o.failsCheck()) {
        ++s.failingChecks;
        note(s.failingRows, o.row.line);
    }
    const double utilisation = r.utilisation.value_or(std::numeric_limits<double>::infinity());
    if (s.governingCheckRow == 0 || utilisation > s.largestUtilisation) {
        s.governingCheckRow = o.row.line;
        s.largestUtilisation = utilisation;
        s.largestUtilisationText = o.currentReadOut(ReadOut::Utilisation);
    }
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
    if (o.isCurrentCode()) {
        addCurrentCode(s.current, o);
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
