// The top of a section's N-M curve: the state of smallest eccentricity on
// 0 < xi <= 1.5, where a check ends whose load lies below every state's
// eccentricity.
#pragma once

#include <array>
#include <optional>

#include "engine/search/check_trial.h"
#include "engine/search/range_scan.h"
#include "engine/search/search_outcome.h"
#include "engine/solver_input.h"

namespace pilaro {

// The state's eccentricity where it is a usable compression state, else
// infinity. Leaves the trial at xi.
[[nodiscard]] double eccentricityAt(CheckTrial& trial, double xi);

// What the top of the curve reads at the coarse points of the range
// (engine/search/range_scan.h), noted as a check's scan of the range reads them.
struct CoarseEccentricities {
    std::array<double, search_detail::kCoarseCount> eq{};  // usable eccentricity, else infinity
    std::array<double, search_detail::kCoarseCount> numerator{};  // of eq
    bool noted = false;

    void note(long j, const CheckTrial& trial, const TrialOutcome& t);
};

// The top of the curve: the depth whose state is reported, and the
// smallest eccentricity found, which is that state's or, where the top is
// taken at xi = 1.5 (below), a hair smaller.
struct CurveTop {
    double xi = 0;
    double eq = 0;
};

// The eccentricities within this relative distance of the one at
// xi = 1.5 are taken as the same: near the end of the range the
// eccentricity can be flat to its last bits, and which of those depths a
// search keeps would follow the last bits of sin, cos and atan, which C
// libraries round differently.
inline constexpr double kFlatTopTolerance = 1e-9;

// The top of the curve of the trial's section and ratio on 0 < xi <= 1.5:
// the grid point of smallest eccentricity, refined between its neighbours;
// where that eccentricity lies within kFlatTopTolerance of the one at
// xi = 1.5, the state at xi = 1.5 itself, so that every build reports the
// same depth. Nothing where no state there is a compression of positive
// eccentricity. The trials add to `result`'s. Where the coarse points are
// noted already, they are not read again.
[[nodiscard]] std::optional<CurveTop> smallestEccentricity(CheckTrial& trial, SearchResult& result,
                                                           const CoarseEccentricities& coarse = {});

// The same for a section and ratio on their own.
[[nodiscard]] std::optional<double> smallestEccentricityDepth(const SolverInput& in,
                                                              double rhoGiven);

}  // namespace pilaro
