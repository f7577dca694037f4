// The records of a calculation run: what a run reads, what it produces and
// how it ends (the statuses and verdicts are messages/run_outcomes.h, beside
// the texts that tell them). Plain data, included by every part of the engine; the run
// itself is engine/calculation.h.
#pragma once

#include <array>
#include <optional>

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

}  // namespace pilaro
