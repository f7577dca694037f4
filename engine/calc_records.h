// The records of a calculation run: what a run reads, what it produces and
// how it ends. Plain data, included by every part of the engine; the run
// itself is engine/calculation.h.
#pragma once

#include <array>
#include <optional>

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

// The outcome of a check: whether the section carries Nj. None until a
// check has run.
enum class Verdict { None, Passes, Fails };

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

enum class CalcStatus {
    Done,
    NoType,
    EnlargeSection,
    InputOutOfRange,   // a material value is infinite
    ZeroDiameter,      // D = 0
    ZeroAxialForce,    // Nj = 0
    MissingGrade,      // a material value the run needs is unset
    DivisionByZero,    // any other zero divisor of the section formulas
    ResultOutOfRange,  // a value the run would store is not finite
    NotConverging,     // no state of the section matches the loads
    // A field read as a number too large for the machine (1e400).
    MomentTooLarge,
    AxialForceTooLarge,
    DiameterTooLarge,
    CoverTooLarge,
    LengthTooLarge,
    AreaTooLarge,
    // Values no section can have.
    NegativeDiameter,     // D < 0
    CoverOutsideSection,  // a < 0, or a >= D / 2: the steel must lie inside the section
    TensionForce,         // Nj < 0: only eccentric compression is treated
    NegativeLength,       // l0 < 0
    NegativeArea,         // a given steel area < 0
    // Even steel as large as the concrete section cannot carry Nj.
    SectionTooSmall,
    // A given steel area larger than the section (a ratio above 1).
    AreaAboveSection,
};

}  // namespace pilaro
