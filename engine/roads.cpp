#include "engine/roads.h"

#include "engine/bar_counts.h"
#include "engine/resistance.h"

namespace pilaro {

namespace {

// What a design's own check may fall short of Nj by: the rounding down of
// the reported area and the check's acceptance band.
constexpr double kOwnCheckShare = 0.99;

CalcStatus statusOf(SearchEnd end) {
    switch (end) {
        case SearchEnd::Landed:
            return CalcStatus::Done;
        case SearchEnd::ZeroDivisor:
            return CalcStatus::DivisionByZero;
        case SearchEnd::NotFinite:
            return CalcStatus::ResultOutOfRange;
        case SearchEnd::NotConverging:
            return CalcStatus::NotConverging;
    }
    return CalcStatus::NotConverging;
}

bool carries(const CheckSolution& check, double Nj) {
    return check.Nq >= Nj || landsInBand(check.Nq / Nj);
}

// The area (m^2) a ratio found by the bisection reports: the minimum area
// at the minimum ratio.
double bisectedArea(const SolverInput& in, double rho) {
    return rho == kMinimumRatio ? minimumArea(in.D) : areaOfRatio(rho, in.D);
}

// The check an engineer makes of a design: of the area it reports (cm^2,
// three decimals), under the design's own loads.
SearchEnd checkReportedArea(const SolverInput& in, double requiredArea, CheckSolution& check) {
    const double reportedArea = selectBars(requiredArea).Ag;
    return solveCheckAtRatio(in, givenSteelRatio(reportedArea, in.D), check).end;
}

bool reportedAreaCarries(const SolverInput& in, double rho, CheckSolution& check) {
    return checkReportedArea(in, bisectedArea(in, rho), check) == SearchEnd::Landed &&
           carries(check, in.Nj);
}

// The design as the check of its area leaves it: the check's state, and
// the ratio with its area as the design computes them.
DesignSolution designFromCheck(const SolverInput& in, double rho, const CheckSolution& check) {
    DesignSolution design;
    design.xi = check.xi;
    design.coefficients = check.coefficients;
    design.rho = rho;
    design.requiredArea = bisectedArea(in, rho);
    return design;
}

// The least ratio from the minimum to 1 whose area's check carries Nj, by
// bisection. The check's capacity rises with the ratio; where it does not,
// the bisection still only ever reports a ratio whose check carries Nj.
CalcStatus leastCarryingRatio(const SolverInput& in, DesignSolution& solution) {
    CheckSolution atHigh;
    const SearchEnd highEnd = checkReportedArea(in, areaOfRatio(1.0, in.D), atHigh);
    if (highEnd != SearchEnd::Landed) return statusOf(highEnd);
    if (!carries(atHigh, in.Nj)) return CalcStatus::SectionTooSmall;

    CheckSolution atLow;
    if (reportedAreaCarries(in, kMinimumRatio, atLow)) {
        solution = designFromCheck(in, kMinimumRatio, atLow);
        return CalcStatus::Done;
    }
    double low = kMinimumRatio;
    double high = 1.0;
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2;
        if (middle == low || middle == high) break;
        CheckSolution check;
        if (reportedAreaCarries(in, middle, check)) {
            high = middle;
            atHigh = check;
            if (landsInBand(check.Nq / in.Nj)) break;
        } else {
            low = middle;  // no answer counts as not carrying: only safe ratios are kept
        }
    }
    solution = designFromCheck(in, high, atHigh);
    return CalcStatus::Done;
}

}  // namespace

CalcStatus designRoad(const SolverInput& in, DesignSolution& solution) {
    DesignSolution written;
    // A landing outside 0 < xi <= 1.5 is no state of the section (beyond
    // 1.5 the stress-block factor is held over from an earlier trial).
    if (solveDesign(in, written).end == SearchEnd::Landed && onSectionRange(written.xi) &&
        written.rho <= 1) {
        // The area the design reports, checked under its loads; the
        // reporting step and the check's band may cost up to 1 % of Nj.
        CheckSolution own;
        if (checkReportedArea(in, written.requiredArea, own) == SearchEnd::Landed &&
            own.Nq >= kOwnCheckShare * in.Nj) {
            solution = written;
            return CalcStatus::Done;
        }
    }
    return leastCarryingRatio(in, solution);
}

CalcStatus checkRoad(const SolverInput& in, double Ag, CheckSolution& solution) {
    return statusOf(solveCheck(in, Ag, solution).end);
}

}  // namespace pilaro
