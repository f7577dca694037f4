// The top of a section's N-M curve: the state of smallest eccentricity on
// 0 < xi <= 1.5, where a check ends whose load lies below every state's
// eccentricity.
#pragma once

#include <array>
#include <optional>

#include "engine/check_solver.h"

namespace pilaro {

// The state's eccentricity where it is a usable compression state, else
// infinity. Leaves the trial at xi.
[[nodiscard]] double eccentricityAt(CheckTrial& trial, double xi);

// What the top of the curve reads at the coarse points of the range
// (engine/range_scan.h), noted as a check's scan of the range reads them.
struct CoarseEccentricities {
    std::array<double, search_detail::kCoarseCount> eq{};  // usable eccentricity, else infinity
    std::array<double, search_detail::kCoarseCount> numerator{};  // of eq
    bool noted = false;

    void note(long j, const CheckTrial& trial, const TrialOutcome& t);
};

// The depth of smallest eccentricity of the trial's section and ratio on
// 0 < xi <= 1.5: the grid point of smallest eccentricity, refined between
// its neighbours. Nothing where no state there is a compression of
// positive eccentricity. The trials add to `result`'s. Where the coarse
// points are noted already, they are not read again.
[[nodiscard]] std::optional<double> smallestEccentricity(CheckTrial& trial, SearchResult& result,
                                                         const CoarseEccentricities& coarse = {});

// The same for a section and ratio on their own.
[[nodiscard]] std::optional<double> smallestEccentricityDepth(const SolverInput& in,
                                                              double rhoGiven);

}  // namespace pilaro
