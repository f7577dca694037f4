// The checks a design makes of the areas it would report, each area
// checked once: the design's own check, then every check of the least
// carrying ratio, under the design's own loads.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/search/check_solver.h"
#include "engine/search/coefficient_memo.h"
#include "engine/search/search_outcome.h"
#include "engine/solver_input.h"

namespace pilaro {

// The result of a check of one reported area.
struct AreaCheck {
    SearchEnd end = SearchEnd::NotConverging;
    CheckSolution check;  // filled where the check lands
};

// A check depends on the section, the loads and the area alone, and areas
// are reported to 0.001 cm^2: a design's own check and the least carrying
// ratio's check of the minimum often check one area, the ratios of a
// section of a few millimetres share a handful of areas, and a bisection
// that starts over meets its middles again. Each is checked once, through
// the section's memo, and every later check of it reads the same result.
class AreaChecks {
  public:
    AreaChecks(const SolverInput& in, CoefficientMemo& memo) : in_(in), memo_(memo) {}

    // The check of the area a design of `requiredArea` (m^2) reports
    // (cm^2, three decimals), as an engineer makes it. `written` says how
    // the written search of a check made here reads the coefficients (as
    // solveCheckAtRatio takes it); the result is the same either way.
    [[nodiscard]] const AreaCheck& of(double requiredArea, Reading written);

    [[nodiscard]] const SolverInput& in() const { return in_; }

  private:
    struct Made {
        std::uint64_t areaBits = 0;
        AreaCheck result;
    };

    const SolverInput& in_;
    CoefficientMemo& memo_;
    std::array<Made, 16> made_{};
    std::size_t count_ = 0;  // checks made; the oldest give way
};

}  // namespace pilaro
