#include "tests/robustness/run_rules.h"

#include <cmath>
#include <cstdio>

#include "engine/number_text.h"
#include "engine/read_outs.h"
#include "engine/search/check_solver.h"
#include "engine/search/design_solver.h"
#include "engine/section.h"
#include "tests/robustness/number_text_form.h"
#include "tests/robustness/result_fields.h"

namespace pilaro::test {
namespace {

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : ", ") + n;
    return out;
}

// Fields of `groups` that changed although the outcome may not write them.
std::string untouchableChanged(const CalcResult& before, const CalcResult& after,
                               std::initializer_list<FieldGroup> groups, bool verdictToo) {
    const std::vector<ResultField> was = resultFields(before);
    const std::vector<ResultField> now = resultFields(after);
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < was.size(); ++i)
        for (FieldGroup g : groups)
            if (was[i].group == g && !sameBits(was[i].value, now[i].value))
                changed.push_back(was[i].name);
    if (verdictToo && before.verdict != after.verdict) changed.push_back("verdict");
    return changed.empty() ? std::string() : "changed " + joined(changed);
}

// Every set field finite and shown well, with no more decimals than the
// reporting step leaves; the fields of `required` groups must be set.
std::string storedValuesFault(const CalcResult& after, std::initializer_list<FieldGroup> required) {
    for (const ResultField& f : resultFields(after)) {
        bool needed = false;
        for (FieldGroup g : required) needed = needed || g == f.group;
        if (f.group == FieldGroup::Derived) needed = f.name != "alpha" && f.name != "rhoGiven";
        if (!f.value) {
            if (needed) return f.name + " is unset";
            continue;
        }
        if (!std::isfinite(*f.value)) return f.name + " is not finite";
        const std::string text = numberToText(*f.value);
        const std::string fault = numberTextFault(*f.value, text);
        if (!fault.empty()) return f.name + " reads out badly: " + fault;
        if (f.decimals >= 0 && decimalsShown(text) > f.decimals)
            return f.name + " shows more than " + std::to_string(f.decimals) + " decimals: " + text;
    }
    return {};
}

std::string doneFault(const CalcInput& input, const CalcResult& before, const CalcResult& after) {
    const double eta = valueOr0(after.eta);
    if (eta < 0 || eta > 3) return "Done with eta out of [0, 3]";
    // Only states of the section, 0 < xi <= 1.5, are reported (floored, so
    // the shallowest show as 0).
    const double xi = valueOr0(after.xi);
    if (xi < 0 || xi > 1.5) return "a state outside 0 < xi <= 1.5";
    if (takesCheckRoad(input)) {
        std::string fault = untouchableChanged(before, after, {FieldGroup::Design}, false);
        if (!fault.empty()) return "check road " + fault;
        fault = storedValuesFault(after, {FieldGroup::Solver, FieldGroup::Check});
        if (!fault.empty()) return fault;
        if (!after.rhoGiven) return "check road left rhoGiven unset";
        const bool passes = valueOr0(after.Nq) >= valueOr0(input.Nj);
        if (after.verdict != (passes ? Verdict::Passes : Verdict::Fails))
            return "verdict \"" + std::string(verdictText(after.verdict)) +
                   "\" does not follow from Nq against Nj";
        return {};
    }
    std::string fault = untouchableChanged(before, after, {FieldGroup::Check}, true);
    if (!fault.empty()) return "design road " + fault;
    fault = storedValuesFault(after, {FieldGroup::Solver, FieldGroup::Design});
    if (!fault.empty()) return fault;
    if (*after.rho < 0.004) return "rho below the minimum ratio";
    for (const MaybeValue& count : after.barCounts)
        if (*count < 0 || std::floor(*count) != *count) return "a bar count is not a whole number";
    return {};
}

// The state reported where no state reaches the load's eccentricity lies
// on the section's range and above that eccentricity.
bool belowSmallestEccentricity(const SolverInput& in, const CheckSolution& s) {
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    CheckTrial trial{in, s.rhoGiven, memo, Reading::Fresh};
    (void)trial(s.xi);
    return s.xi > 0 && s.xi <= 1.5 && trial.eq > in.e0 * in.eta;
}

}  // namespace

std::string runRuleFault(const CalcInput& input, CalcStatus status, const CalcResult& before,
                         const CalcResult& after) {
    if (status != CalcStatus::Done && statusMessage(status).empty())
        return "a stopped run without a message";
    switch (status) {
        case CalcStatus::Done:
            return doneFault(input, before, after);
        case CalcStatus::EnlargeSection: {
            const std::string fault = untouchableChanged(
                before, after, {FieldGroup::Solver, FieldGroup::Design, FieldGroup::Check}, true);
            if (!fault.empty()) return "EnlargeSection " + fault;
            const double eta = valueOr0(after.eta);
            if (!(eta < 0 || eta > 3)) return "EnlargeSection with eta within [0, 3]";
            return storedValuesFault(after, {});
        }
        case CalcStatus::NoType:
        case CalcStatus::InputOutOfRange:
        case CalcStatus::ZeroDiameter:
        case CalcStatus::ZeroAxialForce:
        case CalcStatus::MissingGrade:
        case CalcStatus::DivisionByZero:
        case CalcStatus::ResultOutOfRange:
        case CalcStatus::NotConverging:
        case CalcStatus::MomentTooLarge:
        case CalcStatus::AxialForceTooLarge:
        case CalcStatus::DiameterTooLarge:
        case CalcStatus::CoverTooLarge:
        case CalcStatus::LengthTooLarge:
        case CalcStatus::AreaTooLarge:
        case CalcStatus::NegativeDiameter:
        case CalcStatus::CoverOutsideSection:
        case CalcStatus::TensionForce:
        case CalcStatus::NegativeLength:
        case CalcStatus::NegativeArea:
        case CalcStatus::SectionTooSmall:
        case CalcStatus::AreaAboveSection: {
            const std::vector<std::string> changed = changedFields(before, after);
            if (!changed.empty()) return "a stopped run changed " + joined(changed);
            if (status == CalcStatus::NoType && input.type != CalcType::None)
                return "NoType for a run with a type";
            return {};
        }
    }
    return "an unknown status " + std::to_string(static_cast<int>(status));
}

std::optional<SolverInput> solverInputByWrittenFormulas(const CalcInput& in) {
    if (in.type == CalcType::None) return std::nullopt;
    const double Mj = std::fabs(valueOr0(in.Mj)), Nj = valueOr0(in.Nj), D = valueOr0(in.D);
    const double a = valueOr0(in.a), l0 = in.l0, Ag = valueOr0(in.Ag);
    const double Ra = valueOr0(in.Ra), Eh = valueOr0(in.Eh), Rg = valueOr0(in.Rg);
    const double Eg = valueOr0(in.Eg);
    for (double v : {Mj, Nj, D, a, l0, Ag, Ra, Eh, Rg, Eg})
        if (!std::isfinite(v)) return std::nullopt;
    if (D <= 0 || Nj <= 0 || a < 0 || a >= D / 2 || l0 < 0 || Ag < 0) return std::nullopt;
    if (4 * Ag / kPi / D / D / 10000 > 1) return std::nullopt;  // more steel than section

    const double g = (D - a * 2) / D;
    const double r = D / 2;
    double I = (kPi * std::pow(D, 4)) / 64;
    const double e0 = Mj / Nj;
    double eta = 1;
    if (l0 / D > 7) {
        const double alpha = e0 / D >= 1 ? 0.22 : 0.1 / (e0 / D + 0.3) + 0.143;
        if (4 * Ag / kPi / D / D / 10000 > 3) I = 1.2 * I;
        const double T = Nj * 1.25 * l0 * l0 / 10 / alpha / Eh / I / 0.95;
        eta = 1 / (1 - T);
    }
    for (double v : {g, r, I, e0, l0 / D, eta})
        if (!std::isfinite(v)) return std::nullopt;
    if (eta < 0 || eta > 3 || g == 0 || Eg == 0) return std::nullopt;
    if (Ag == 0 && (Rg == 0 || Ra == 0)) return std::nullopt;
    return SolverInput{Nj, D, Ra, Rg, Eg, g, r, e0, eta};
}

SolverCheck solverRuleFault(const CalcInput& input, CalcStatus status, const CalcResult& after) {
    SolverCheck check;
    const std::optional<SolverInput> in = solverInputByWrittenFormulas(input);
    if (!in) {
        if (status == CalcStatus::Done) check.fault = "Done although no solver is reachable";
        return check;
    }
    if (status == CalcStatus::Done) {
        // The solver reads exactly what the run stored.
        if (!sameBits(after.g, in->g) || !sameBits(after.r, in->r) || !sameBits(after.e0, in->e0) ||
            !sameBits(after.eta, in->eta)) {
            check.fault = "the run's derived fields differ from the written formulas";
            return check;
        }
    }
    CoefficientMemo memo(in->g, in->Rg, in->Eg);
    if (takesCheckRoad(input)) {
        CheckSolution s;
        const SearchResult search = solveCheck(*in, valueOr0(input.Ag), s, memo);
        check.trials = search.trials;
        if (search.trials > kTrialBound)
            check.fault = "the search took " + std::to_string(search.trials) + " trials";
        else if (status == CalcStatus::Done &&
                 (search.end != SearchEnd::Landed || !sameBits(after.xi, floorToDecimals(s.xi, 4))))
            check.fault = "Done, but the check alone does not end where the run did";
        else if (status == CalcStatus::Done && s.atSmallestEccentricity &&
                 !belowSmallestEccentricity(*in, s))
            check.fault = "a state of smallest eccentricity that the loads do not fall below";
        else if (status == CalcStatus::NotConverging && search.end != SearchEnd::NotConverging)
            check.fault = "NotConverging, but the check alone ends otherwise";
        return check;
    }
    DesignSolution s;
    const SearchResult search = solveDesign(*in, s, memo);
    check.trials = search.trials;
    if (search.trials > kTrialBound)
        check.fault = "the search took " + std::to_string(search.trials) + " trials";
    else if (status == CalcStatus::Done) {
        // A design must pass its own check: its reported area, checked
        // under the same loads.
        if (*after.rho > 1) {
            check.fault = "a design with more steel than section";
        } else {
            CheckSolution own;
            CoefficientMemo ownMemo(in->g, in->Rg, in->Eg);
            const SearchResult ownCheck = solveCheck(*in, after.Ag, own, ownMemo);
            if (ownCheck.end != SearchEnd::Landed || own.Nq < 0.99 * in->Nj)
                check.fault = "a design whose area fails its own check";
        }
    }
    return check;
}

bool sameInput(const CalcInput& a, const CalcInput& b) {
    return a.type == b.type && sameBits(a.Mj, b.Mj) && sameBits(a.Nj, b.Nj) && sameBits(a.D, b.D) &&
           sameBits(a.a, b.a) && sameBits(a.l0, b.l0) && sameBits(a.Ag, b.Ag) &&
           sameBits(a.Ra, b.Ra) && sameBits(a.Eh, b.Eh) && sameBits(a.Rg, b.Rg) &&
           sameBits(a.Eg, b.Eg);
}

std::string describe(const CalcInput& in) {
    auto one = [](const char* name, const MaybeValue& v) {
        char buffer[64];
        if (v)
            std::snprintf(buffer, sizeof buffer, " %s=%a", name, *v);
        else
            std::snprintf(buffer, sizeof buffer, " %s=unset", name);
        return std::string(buffer);
    };
    const char* type = in.type == CalcType::Design  ? "Design"
                       : in.type == CalcType::Check ? "Check"
                                                    : "none";
    return std::string("type=") + type + one("Mj", in.Mj) + one("Nj", in.Nj) + one("D", in.D) +
           one("a", in.a) + one("l0", in.l0) + one("Ag", in.Ag) + one("Ra", in.Ra) +
           one("Eh", in.Eh) + one("Rg", in.Rg) + one("Eg", in.Eg);
}

}  // namespace pilaro::test
