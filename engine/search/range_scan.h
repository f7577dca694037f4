// The scan of the section's own range 0 < xi <= 1.5 for a bracket, where the
// written steps never land: grid neighbours whose ratios lie on either side
// of 1, taken outward from the start (one pair up, then one down, in turn),
// each bisected until a trial lands. A sign change across a pole never lands
// and is passed over.
//
// Reading all 3,750 grid points costs as much as 3,750 trials. The grid is
// read at every 32nd point first. A stretch between two such points whose
// ratios lie on the same side of 1, further from it than twice the bend of
// the ratio there (its second difference over the coarse points), holds no
// crossing: the ratio is a smooth function of xi wherever the quantity it
// is divided by keeps its sign, and that quantity is judged alike. Every other stretch (a
// crossing, a pole, a kink, an unusable point) is read point by point,
// unless the trial shows that no ratio on it reaches 1 (a trial may tell
// so by `belowOneThroughout(xa, xb)`), and the pairs found are bisected in
// the written order. So the scan lands where reading every point lands, at
// a tenth of the cost.
#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cmath>

#include "engine/search/search_outcome.h"

namespace pilaro {

// Landed on a trial that lands (always within the range), otherwise
// NotConverging; the trials add to `result`'s. `noteCoarse(j, outcome)` is
// told of each coarse point's trial, j = 0 .. kCoarseCount - 1, right
// after it.
template <typename Trial, typename NoteCoarse>
[[nodiscard]] SearchResult scanSectionRange(Trial& trial, SearchResult result,
                                            NoteCoarse noteCoarse);

template <typename Trial>
[[nodiscard]] SearchResult scanSectionRange(Trial& trial, SearchResult result) {
    return scanSectionRange(trial, result, [](long, const TrialOutcome&) {});
}

namespace search_detail {

inline constexpr long kCoarseStride = 32;
inline constexpr long kFirstCoarse = kLowestGridIndex / kCoarseStride * kCoarseStride;
inline constexpr long kLastCoarse = kHighestGridIndex / kCoarseStride * kCoarseStride;
inline constexpr long kCoarseCount = (kLastCoarse - kFirstCoarse) / kCoarseStride + 3;  // + ends
inline constexpr long kPairCount = kHighestGridIndex - kLowestGridIndex;

// The j-th coarse point: the range's ends and every 32nd grid point between.
[[nodiscard]] constexpr long coarseIndex(long j) {
    if (j == 0) return kLowestGridIndex;
    if (j == kCoarseCount - 1) return kHighestGridIndex;
    return kFirstCoarse + (j - 1) * kCoarseStride;
}

// Whether a smooth quantity, at `a` and `b` at the ends of a stretch and at
// `before` and `after` at the far ends of its neighbours (NaN beyond the
// range), keeps to one side of `level` over the stretch: both ends lie on
// that side, further from the level than twice the bend the quantity shows
// over the stretch and a neighbour (its second difference; a straight line
// between the ends never meets the level, and a quantity bends from its
// chord by an eighth of that).
[[nodiscard]] inline bool staysOnOneSide(double level, double before, double a, double b,
                                         double after) {
    if ((a < level) != (b < level)) return false;
    if (std::isnan(before) && std::isnan(after)) return false;
    const double bendBefore = std::isnan(before) ? 0 : std::fabs(before - 2 * a + b);
    const double bendAfter = std::isnan(after) ? 0 : std::fabs(a - 2 * b + after);
    return std::min(std::fabs(a - level), std::fabs(b - level)) >
           2 * std::max(bendBefore, bendAfter);
}

// The coarse points' trials and what staysOnOneSide reads of them, each
// second difference taken once for the two stretches beside its point.
struct CoarsePoints {
    std::array<TrialOutcome, kCoarseCount> trial{};
    std::array<double, kCoarseCount> ratioBend{};    // |r(j-1) - 2 r(j) + r(j+1)|
    std::array<double, kCoarseCount> divisorBend{};  // the same of the divisor

    // After every trial is in: the bends of the points between the ends.
    void takeBends() {
        for (std::size_t j = 1; j + 1 < trial.size(); ++j) {
            ratioBend[j] = std::fabs(trial[j - 1].ratio - 2 * trial[j].ratio + trial[j + 1].ratio);
            divisorBend[j] =
                std::fabs(trial[j - 1].divisor - 2 * trial[j].divisor + trial[j + 1].divisor);
        }
    }

    // Whether the stretch from coarse point j to j + 1 holds no change of
    // side: every trial on it usable, the ratio's divisor keeping its sign
    // (no pole) and the ratio keeping to one side of 1. As staysOnOneSide
    // judges it, from the same differences.
    [[nodiscard]] bool quietStretch(long j) const {
        const auto at = [&](long i) -> const TrialOutcome& {
            return trial[static_cast<std::size_t>(i)];
        };
        const long first = std::max(j - 1, 0L);
        const long last = std::min(j + 2, kCoarseCount - 1);
        for (long i = first; i <= last; ++i)
            if (!usable(at(i))) return false;
        // The bends of the stretch and its neighbours; none beyond the range.
        const bool before = j > 0;
        const bool after = j + 2 < kCoarseCount;
        if (!before && !after) return false;
        const auto bend = [&](const std::array<double, kCoarseCount>& bends) {
            const double atStart = before ? bends[static_cast<std::size_t>(j)] : 0.0;
            const double atEnd = after ? bends[static_cast<std::size_t>(j + 1)] : 0.0;
            return std::max(atStart, atEnd);
        };
        const auto keepsSide = [&](double level, double a, double b, double bent) {
            return (a < level) == (b < level) &&
                   std::min(std::fabs(a - level), std::fabs(b - level)) > 2 * bent;
        };
        return keepsSide(0, at(j).divisor, at(j + 1).divisor, bend(divisorBend)) &&
               keepsSide(1, at(j).ratio, at(j + 1).ratio, bend(ratioBend));
    }
};

// The grid pairs (k, k + 1) of the range whose ratios lie on either side of
// 1, both usable, as bits by k - kLowestGridIndex.
template <typename Trial, typename NoteCoarse>
[[nodiscard]] std::bitset<kPairCount> pairsOnEitherSide(Trial& trial, SearchResult& result,
                                                        NoteCoarse& noteCoarse) {
    CoarsePoints coarse;
    for (long j = 0; j < kCoarseCount; ++j) {
        coarse.trial[static_cast<std::size_t>(j)] = trial(gridPoint(coarseIndex(j)));
        noteCoarse(j, coarse.trial[static_cast<std::size_t>(j)]);
        ++result.trials;
    }
    coarse.takeBends();
    std::bitset<kPairCount> pairs;
    for (long j = 0; j + 1 < kCoarseCount; ++j) {
        if (coarse.quietStretch(j)) continue;
        if constexpr (requires { trial.belowOneThroughout(0.0, 0.0); }) {
            if (trial.belowOneThroughout(gridPoint(coarseIndex(j)), gridPoint(coarseIndex(j + 1))))
                continue;
        }
        TrialOutcome previous = coarse.trial[static_cast<std::size_t>(j)];
        const long end = coarseIndex(j + 1);
        for (long k = coarseIndex(j); k < end; ++k) {
            TrialOutcome next;
            if (k + 1 == end) {
                next = coarse.trial[static_cast<std::size_t>(j + 1)];
            } else {
                next = trial(gridPoint(k + 1));
                ++result.trials;
            }
            if (usable(previous) && usable(next) && oppositeSides(previous.ratio, next.ratio))
                pairs.set(static_cast<std::size_t>(k - kLowestGridIndex));
            previous = next;
        }
    }
    return pairs;
}

// The pairs in the written order: (0, 1), (-1, 0), (1, 2), (-2, -1), ...
template <typename Trial, typename NoteCoarse>
[[nodiscard]] bool scanForBracket(Trial& trial, SearchResult& result, NoteCoarse& noteCoarse) {
    const std::bitset<kPairCount> pairs = pairsOnEitherSide(trial, result, noteCoarse);
    if (pairs.none()) return false;
    for (long order = 1; order <= 2 * kHighestGridIndex; ++order) {
        const long k = order % 2 == 1 ? (order - 1) / 2 : -order / 2;
        if (k < kLowestGridIndex || k >= kHighestGridIndex) continue;
        if (!pairs.test(static_cast<std::size_t>(k - kLowestGridIndex))) continue;
        const TrialOutcome low = trial(gridPoint(k));
        ++result.trials;
        if (bisect(trial, gridPoint(k), low.ratio, gridPoint(k + 1), result)) return true;
    }
    return false;
}

}  // namespace search_detail

template <typename Trial, typename NoteCoarse>
[[nodiscard]] SearchResult scanSectionRange(Trial& trial, SearchResult result,
                                            NoteCoarse noteCoarse) {
    if (search_detail::scanForBracket(trial, result, noteCoarse)) return result;
    result.end = SearchEnd::NotConverging;
    return result;
}

}  // namespace pilaro
