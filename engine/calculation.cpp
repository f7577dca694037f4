#include "engine/calculation.h"

#include <cmath>

#include "engine/bar_counts.h"
#include "engine/check_solver.h"
#include "engine/design_solver.h"
#include "engine/number_text.h"
#include "engine/section.h"

namespace pilaro {

std::string_view statusMessage(CalcStatus status) {
    switch (status) {
        case CalcStatus::Done:
            return {};
        case CalcStatus::NoType:
            return "请选择计算类型《配筋计算或强度验算！》";
        case CalcStatus::EnlargeSection:
            return "应加大截面尺寸！";
        case CalcStatus::InputOutOfRange:
            return "输入的数值超出范围，请检查轴向力、弯矩、直径、保护层厚度、计算长度和钢筋面积！";
        case CalcStatus::ZeroDiameter:
            return "圆形直径不能为零，请输入圆形直径！";
        case CalcStatus::ZeroAxialForce:
            return "轴向力不能为零，请输入轴向力！";
        case CalcStatus::MissingGrade:
            return "请选择混凝土标号和钢筋等级！";
        case CalcStatus::DivisionByZero:
            return "计算中出现除数为零，请检查保护层厚度、弯矩和计算长度！";
        case CalcStatus::ResultOutOfRange:
            return "计算结果超出数值范围，请检查输入数据！";
        case CalcStatus::NotConverging:
            return "计算不收敛，请调整截面尺寸或荷载！";
    }
    return {};
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

// The reporting step of the design road: the counts and the area come from
// the unrounded area, before rho is rounded.
CalcStatus finishDesign(const DesignSolution& s, CalcResult& next) {
    const BarSelection bars = selectBars(s.requiredArea);
    const SectionCoefficients& c = s.coefficients;
    next.rho = floorToDecimals(s.rho, 4);
    next.coefA = floorToDecimals(c.coefA, 5);
    next.coefB = floorToDecimals(c.coefB, 5);
    next.coefC = floorToDecimals(c.coefC, 5);
    next.coefD = floorToDecimals(c.coefD, 5);
    next.xi = floorToDecimals(s.xi, 4);
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
    const SectionCoefficients& c = s.coefficients;
    next.coefA = floorToDecimals(c.coefA, 5);
    next.coefB = floorToDecimals(c.coefB, 5);
    next.coefC = floorToDecimals(c.coefC, 5);
    next.coefD = floorToDecimals(c.coefD, 5);
    next.xi = floorToDecimals(s.xi, 4);
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
    if (input.type == CalcType::None) return CalcStatus::NoType;

    const double Mj = valueOr0(input.Mj);
    const double Nj = valueOr0(input.Nj);
    const double D = valueOr0(input.D);
    const double a = valueOr0(input.a);
    const double l0 = input.l0;
    const double Ag = valueOr0(input.Ag);
    const double Ra = valueOr0(input.Ra);
    const double Eh = valueOr0(input.Eh);
    const double Rg = valueOr0(input.Rg);
    const double Eg = valueOr0(input.Eg);
    if (!allFinite({Mj, Nj, D, a, l0, Ag, Ra, Eh, Rg, Eg})) return CalcStatus::InputOutOfRange;

    if (D == 0) return CalcStatus::ZeroDiameter;
    const double g = (D - a * 2) / D;
    const double r = D / 2;
    double I = (kPi * std::pow(D, 4)) / 64;
    if (Nj == 0) return CalcStatus::ZeroAxialForce;
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
        const double rhoGiven = 4 * Ag / kPi / D / D / 10000;
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
    // Work on a copy: a run that stops on a fault leaves the state untouched.
    CalcResult next = result;
    SolverInput in{};
    CalcStatus status = deriveSection(input, next, in);
    if (status == CalcStatus::EnlargeSection) result = next;
    if (status != CalcStatus::Done) return status;

    if (takesCheckRoad(input)) {
        CheckSolution solution;
        status = statusOf(solveCheck(in, valueOr0(input.Ag), solution).end);
        if (status == CalcStatus::Done) status = finishCheck(solution, in.Nj, next);
    } else {
        DesignSolution solution;
        status = statusOf(solveDesign(in, solution).end);
        if (status == CalcStatus::Done) status = finishDesign(solution, next);
    }
    if (status == CalcStatus::Done) result = next;
    return status;
}

CalcStatus runCalculation(CalcState& state, const CalcInput& input) {
    const CalcStatus status = runCalculation(input, state.result);
    if (!storesInput(status)) return status;
    state.lastInput = input;
    state.lastRunBlock = status != CalcStatus::Done ? CalcType::None
                         : takesCheckRoad(input)    ? CalcType::Check
                                                    : CalcType::Design;
    return status;
}

}  // namespace pilaro
