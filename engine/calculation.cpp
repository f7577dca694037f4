#include "engine/calculation.h"

#include <cmath>

#include "engine/bar_counts.h"
#include "engine/number_text.h"
#include "engine/resistance.h"
#include "engine/roads.h"
#include "engine/section.h"
#include "engine/vector_state.h"

namespace pilaro {

std::string_view statusName(CalcStatus status) {
    switch (status) {
        case CalcStatus::Done:
            return "done";
        case CalcStatus::NoType:
            return "no-type";
        case CalcStatus::EnlargeSection:
            return "enlarge-section";
        case CalcStatus::InputOutOfRange:
            return "input-out-of-range";
        case CalcStatus::ZeroDiameter:
            return "zero-diameter";
        case CalcStatus::ZeroAxialForce:
            return "zero-axial-force";
        case CalcStatus::MissingGrade:
            return "missing-grade";
        case CalcStatus::DivisionByZero:
            return "division-by-zero";
        case CalcStatus::ResultOutOfRange:
            return "result-out-of-range";
        case CalcStatus::NotConverging:
            return "not-converging";
        case CalcStatus::MomentTooLarge:
            return "moment-too-large";
        case CalcStatus::AxialForceTooLarge:
            return "axial-force-too-large";
        case CalcStatus::DiameterTooLarge:
            return "diameter-too-large";
        case CalcStatus::CoverTooLarge:
            return "cover-too-large";
        case CalcStatus::LengthTooLarge:
            return "length-too-large";
        case CalcStatus::AreaTooLarge:
            return "area-too-large";
        case CalcStatus::NegativeDiameter:
            return "negative-diameter";
        case CalcStatus::CoverOutsideSection:
            return "cover-outside-section";
        case CalcStatus::TensionForce:
            return "tension-force";
        case CalcStatus::NegativeLength:
            return "negative-length";
        case CalcStatus::NegativeArea:
            return "negative-area";
        case CalcStatus::SectionTooSmall:
            return "section-too-small";
        case CalcStatus::AreaAboveSection:
            return "area-above-section";
    }
    return "unknown";
}

bool storesInput(CalcStatus status) {
    return status == CalcStatus::Done || status == CalcStatus::EnlargeSection;
}

namespace {

bool allFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

// The solver's state as both roads report it.
void reportState(const SectionCoefficients& c, double xi, CalcResult& next) {
    next.coefA = floorToDecimals(c.coefA, 5);
    next.coefB = floorToDecimals(c.coefB, 5);
    next.coefC = floorToDecimals(c.coefC, 5);
    next.coefD = floorToDecimals(c.coefD, 5);
    next.xi = floorToDecimals(xi, 4);
}

// The reporting step of the design road: the counts and the area come from
// the unrounded area, before rho is rounded.
CalcStatus finishDesign(const DesignSolution& s, CalcResult& next) {
    const BarSelection bars = selectBars(s.requiredArea);
    next.rho = floorToDecimals(s.rho, 4);
    reportState(s.coefficients, s.xi, next);
    next.Ag = bars.Ag;
    for (std::size_t i = 0; i < bars.counts.size(); ++i) {
        if (!std::isfinite(bars.counts[i])) return CalcStatus::ResultOutOfRange;
        next.barCounts[i] = bars.counts[i];
    }
    if (!allFinite(
            {*next.rho, *next.coefA, *next.coefB, *next.coefC, next.coefD, *next.xi, next.Ag}))
        return CalcStatus::ResultOutOfRange;
    return CalcStatus::Done;
}

// The reporting step of the check road; the verdict is formed from the
// reported (rounded) axial capacity.
CalcStatus finishCheck(const CheckSolution& s, double Nj, CalcResult& next) {
    reportState(s.coefficients, s.xi, next);
    next.Nq = floorToDecimals(s.Nq, 3);
    next.Mq = floorToDecimals(s.Mq, 3);
    next.rhoGiven = floorToDecimals(s.rhoGiven, 4);
    if (!allFinite({*next.coefA, *next.coefB, *next.coefC, next.coefD, *next.xi, *next.Nq, next.Mq,
                    *next.rhoGiven}))
        return CalcStatus::ResultOutOfRange;
    next.verdict = checkVerdict(*next.Nq, Nj);
    return CalcStatus::Done;
}

}  // namespace

CalcStatus deriveSection(const CalcInput& input, CalcResult& result, SolverInput& solverInput) {
    clearUpperVectorHalves();
    if (input.type == CalcType::None) return CalcStatus::NoType;

    // The section is symmetric: a moment's sign only says which side is
    // compressed.
    const double Mj = std::fabs(valueOr0(input.Mj));
    const double Nj = valueOr0(input.Nj);
    const double D = valueOr0(input.D);
    const double a = valueOr0(input.a);
    const double l0 = input.l0;
    const double Ag = valueOr0(input.Ag);
    const double Ra = valueOr0(input.Ra);
    const double Eh = valueOr0(input.Eh);
    const double Rg = valueOr0(input.Rg);
    const double Eg = valueOr0(input.Eg);
    if (!std::isfinite(Mj)) return CalcStatus::MomentTooLarge;
    if (!std::isfinite(Nj)) return CalcStatus::AxialForceTooLarge;
    if (!std::isfinite(D)) return CalcStatus::DiameterTooLarge;
    if (!std::isfinite(a)) return CalcStatus::CoverTooLarge;
    if (!std::isfinite(l0)) return CalcStatus::LengthTooLarge;
    if (!std::isfinite(Ag)) return CalcStatus::AreaTooLarge;
    if (!allFinite({Ra, Eh, Rg, Eg})) return CalcStatus::InputOutOfRange;

    if (D == 0) return CalcStatus::ZeroDiameter;
    if (Nj == 0) return CalcStatus::ZeroAxialForce;
    if (D < 0) return CalcStatus::NegativeDiameter;
    if (a < 0 || a >= D / 2) return CalcStatus::CoverOutsideSection;
    if (Nj < 0) return CalcStatus::TensionForce;
    if (l0 < 0) return CalcStatus::NegativeLength;
    if (Ag < 0) return CalcStatus::NegativeArea;
    if (givenSteelRatio(Ag, D) > 1) return CalcStatus::AreaAboveSection;

    const double g = (D - a * 2) / D;
    const double r = D / 2;
    double I = (kPi * std::pow(D, 4)) / 64;
    const double e0 = Mj / Nj;
    double eta = 1;
    const double lambda = l0 / D;
    if (!allFinite({g, r, I, e0, lambda})) return CalcStatus::ResultOutOfRange;
    result.g = g;
    result.r = r;
    result.e0 = e0;
    result.lambda = lambda;

    if (lambda > 7) {
        const double relativeEccentricity = e0 / D;
        double alpha = 0.22;
        if (relativeEccentricity < 1) {
            if (relativeEccentricity + 0.3 == 0) return CalcStatus::DivisionByZero;
            alpha = 0.1 / (relativeEccentricity + 0.3) + 0.143;
        }
        const double rhoGiven = givenSteelRatio(Ag, D);
        if (rhoGiven > 3) I = 1.2 * I;
        if (Eh == 0) return CalcStatus::MissingGrade;
        if (alpha == 0 || I == 0) return CalcStatus::DivisionByZero;
        const double T = Nj * 1.25 * l0 * l0 / 10 / alpha / Eh / I / 0.95;
        if (T == 1) return CalcStatus::DivisionByZero;
        eta = 1 / (1 - T);
        if (!allFinite({alpha, rhoGiven, I, T, eta})) return CalcStatus::ResultOutOfRange;
        result.alpha = alpha;
        result.rhoGiven = rhoGiven;
    }
    result.I = I;
    result.eta = eta;
    if (eta < 0 || eta > 3) return CalcStatus::EnlargeSection;

    // The steel ring's formulas divide by the steel's modulus and by g; the
    // design's ratio divides by the steel strength and is zero without
    // concrete.
    if (Eg == 0 || (!takesCheckRoad(input) && (Rg == 0 || Ra == 0)))
        return CalcStatus::MissingGrade;
    if (g == 0) return CalcStatus::DivisionByZero;
    solverInput = SolverInput{Nj, D, Ra, Rg, Eg, g, r, e0, eta};
    return CalcStatus::Done;
}

CalcStatus runCalculation(const CalcInput& input, CalcResult& result) {
    clearUpperVectorHalves();
    // Work on a copy: a run that stops on a fault leaves the state untouched.
    CalcResult next = result;
    SolverInput in{};
    CalcStatus status = deriveSection(input, next, in);
    if (status == CalcStatus::EnlargeSection) result = next;
    if (status != CalcStatus::Done) return status;

    if (takesCheckRoad(input)) {
        CheckSolution solution;
        status = checkRoad(in, valueOr0(input.Ag), solution);
        if (status == CalcStatus::Done) status = finishCheck(solution, in.Nj, next);
    } else {
        DesignSolution solution;
        status = designRoad(in, solution);
        if (status == CalcStatus::Done) status = finishDesign(solution, next);
    }
    if (status == CalcStatus::Done) result = next;
    return status;
}

}  // namespace pilaro
