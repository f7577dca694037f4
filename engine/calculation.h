// The calculation run of a circular reinforced-concrete section under an
// axial force and a bending moment: the shared records and the run itself.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/solver_input.h"
#include "messages/run_outcomes.h"

namespace pilaro {

// A quantity of the calculation state that no run or grade choice has set
// yet. It acts as 0 in arithmetic and prints as empty text.
using MaybeValue = std::optional<double>;

[[nodiscard]] inline double valueOr0(const MaybeValue& v) {
    return v.value_or(0.0);
}

enum class CalcType { None, Design, Check };

// Everything one run reads (kN, m, kPa; Ag in cm^2).
struct CalcInput {
    CalcType type = CalcType::None;
    MaybeValue Mj;
    MaybeValue Nj;
    MaybeValue D;
    MaybeValue a;
    double l0 = 0.0;
    MaybeValue Ag;  // given steel area; 0 on the design road
    MaybeValue Ra;
    MaybeValue Eh;
    MaybeValue Rg;
    MaybeValue Eg;
};

inline constexpr int kBarSizeCount = 11;

// Everything a run produces, updated in place: a field that a run does not
// set keeps its earlier value.
struct CalcResult {
    MaybeValue g;
    MaybeValue r;
    MaybeValue I;
    MaybeValue e0;
    MaybeValue lambda;
    MaybeValue alpha;
    MaybeValue eta;
    MaybeValue rhoGiven;
    MaybeValue xi;
    MaybeValue coefA;
    MaybeValue coefB;
    MaybeValue coefC;
    double coefD = 0.0;
    MaybeValue rho;
    double Ag = 0.0;  // required area, cm^2
    // D12 ... D36 in bar-table order; the D36 count starts at 0.
    std::array<MaybeValue, kBarSizeCount> barCounts = {
        {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 0.0}};
    MaybeValue Nq;
    double Mq = 0.0;
    Verdict verdict = Verdict::None;
};

// A short English name for a status ("done", "enlarge-section", ...), as a
// load-case table's output shows it.
[[nodiscard]] std::string_view statusName(CalcStatus status);

// True when the run's input becomes the last input of the state (every
// status that got past the type check and the input checks).
[[nodiscard]] bool storesInput(CalcStatus status);

// The run's road: a given area that reads as anything but 0 sends it to
// the check solver, whatever the calculation type.
[[nodiscard]] inline bool takesCheckRoad(const CalcInput& input) {
    return valueOr0(input.Ag) != 0;
}

// The run up to its solver: the derived quantities (g to rhoGiven) written
// into `result` as far as they get, and what the solver reads. Done when a
// solver may run; otherwise the status the run ends with.
[[nodiscard]] CalcStatus deriveSection(const CalcInput& input, CalcResult& result,
                                       SolverInput& solverInput);

// One run. On Done and EnlargeSection the result is updated as the
// calculation defines; on every other status it is left exactly as it was.
[[nodiscard]] CalcStatus runCalculation(const CalcInput& input, CalcResult& result);

}  // namespace pilaro
