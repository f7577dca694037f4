// The fixed-step search on xi that both solvers share, with what it does
// where the fixed steps can never land in the acceptance band.
//
// The written search starts at xi = 0.55 and steps up or down by fixed
// amounts until a trial's ratio lies within 1 +/- 0.001. Every trial xi is
// a point 0.55 + 0.0004 k of one grid (up to accumulated rounding), and the
// next trial depends only on the grid point (and, above xi = 1.5, on the
// retained stress-block factor). So the search either lands, comes back to
// a point it has seen and circles forever, or runs away without end.
//
// - Landing: nothing is changed; the same trial, the same xi, bit for bit.
// - Circling: found exactly, by Brent's cycle detection on the grid index.
//   The search then goes once more round its cycle (a landing there still
//   ends as written); where a trial of the cycle comes so close to an edge
//   of the band that rounding could still tip it in, the written steps are
//   followed on to the trial cap. Then the two neighbouring grid points of
//   the cycle whose ratios lie on either side of 1 are bisected until a
//   trial lands.
// - Running away: once xi is more than 1000 from the start, the section
//   coefficients have long reached their limits (beyond xi = 1.5 every angle
//   tends to a constant, the ratio changes by less than 1e-6 over the rest
//   of the way), so no landing is left; and a hard cap of trials backs this
//   up. Then the grid points of 0 < xi <= 1.5 are scanned for neighbours on
//   either side of 1, nearest to 0.55 first, and each pair is bisected until
//   one lands. A sign change across a pole never lands and is passed over.
//   A trial may also tell the search that its ratio can only move away from
//   the band from here on; the search then stops running at once.
//
// The written steps may take the search beyond xi = 1.5, where a trial
// keeps the stress-block factor of an earlier one; those trials steer the
// search as written, and it may even land there. Such a landing is no
// state of the section, and neither solver reports it (onSectionRange).
#pragma once

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "engine/section.h"

namespace pilaro {

// What one trial tells the search.
struct TrialOutcome {
    double ratio = 0.0;
    bool zeroDivisor = false;  // a formula of this trial divided by exactly 0
    bool finite = true;        // every value of the trial is finite
    // The ratio lies outside the band and moves further from it at every
    // later trial of the direction the search takes from here: the search
    // can only run away, so it may stop running now.
    bool noLandingAhead = false;
};

struct SearchSteps {
    double up;    // when the ratio is below 1
    double down;  // when it is above 1
};

enum class SearchEnd { Landed, ZeroDivisor, NotFinite, NotConverging };

struct SearchResult {
    SearchEnd end = SearchEnd::NotConverging;
    double xi = 0.0;
    // The written search's trials, counted as it would make them (those of
    // a cycle followed to the cap whose steps are already known count, though
    // they are not evaluated again), plus the trials of the refinement.
    long trials = 0;
    bool refined = false;  // landed by bisection rather than on the grid
};

inline constexpr double kSearchStart = 0.55;
inline constexpr double kGridStep = 0.0004;
inline constexpr double kAcceptanceBand = 0.001;  // on the ratio, either side of 1
inline constexpr double kDriftBound = 1000.0;
inline constexpr long kTrialCap = 1'000'000;
inline constexpr long kTrialBound = kTrialCap + 200'000;  // cap, cycle trace and refinement

// The grid points of the section's own range 0 < xi <= 1.5.
inline constexpr long kLowestGridIndex = -1374;  // xi = 0.0004
inline constexpr long kHighestGridIndex = 2375;
static_assert(kSearchStart + kGridStep * kHighestGridIndex == kStressBlockLimit);

[[nodiscard]] inline bool landsInBand(double ratio) {
    return std::fabs(ratio - 1.0) <= kAcceptanceBand;
}

[[nodiscard]] inline long gridIndex(double xi) {
    return std::lround((xi - kSearchStart) / kGridStep);
}

[[nodiscard]] inline double gridPoint(long k) {
    return kSearchStart + kGridStep * static_cast<double>(k);
}

// Searches xi from 0.55 by the fixed steps until a trial lands in the band,
// and refines where those steps can never land. `trial(xi)` evaluates one
// trial and keeps its values, so that after a landing the solver reads the
// landed trial. Nothing here allocates.
template <typename Trial>
[[nodiscard]] SearchResult searchXi(Trial& trial, SearchSteps steps);

// Whether a depth is one of the section's own states, 0 < xi <= 1.5.
[[nodiscard]] inline bool onSectionRange(double xi) {
    return xi > 0 && xi <= kStressBlockLimit;
}

// The bracket scan of a search that ran away, on its own: the grid points
// of 0 < xi <= 1.5, neighbours on either side of 1 bisected nearest to
// 0.55 first. Landed on a trial that lands (always within the range),
// otherwise NotConverging; the trials add to `result`'s.
template <typename Trial>
[[nodiscard]] SearchResult scanSectionRange(Trial& trial, SearchResult result);

// ---------------------------------------------------------------------------
// Detail.

namespace search_detail {

struct GridPoint {
    long k;
    double xi;
    double ratio;
};

[[nodiscard]] inline bool oppositeSides(double ra, double rb) {
    return (ra < 1) != (rb < 1);
}

// Halves [xa, xb], whose ratios lie on either side of 1, until a trial lands.
template <typename Trial>
[[nodiscard]] bool bisect(Trial& trial, double xa, double ra, double xb, SearchResult& result) {
    for (int i = 0; i < 256; ++i) {
        const double xm = (xa + xb) / 2;
        if (xm == xa || xm == xb) return false;
        const TrialOutcome t = trial(xm);
        ++result.trials;
        if (t.zeroDivisor || !t.finite) return false;
        if (landsInBand(t.ratio)) {
            result.end = SearchEnd::Landed;
            result.xi = xm;
            result.refined = true;
            return true;
        }
        if (oppositeSides(t.ratio, ra)) {
            xb = xm;
        } else {
            xa = xm;
            ra = t.ratio;
        }
    }
    return false;
}

// Neighbouring grid points of 0 < xi <= 1.5 with ratios on either side of
// 1, nearest to the start first.
template <typename Trial>
[[nodiscard]] bool scanForBracket(Trial& trial, SearchResult& result) {
    constexpr long kLowest = kLowestGridIndex;
    constexpr long kHighest = kHighestGridIndex;
    const auto at = gridPoint;
    auto usable = [](const TrialOutcome& t) { return !t.zeroDivisor && t.finite; };

    const TrialOutcome start = trial(at(0));
    ++result.trials;
    TrialOutcome up = start;
    TrialOutcome down = start;
    long upK = 0;
    long downK = 0;
    while (upK < kHighest || downK > kLowest) {
        if (upK < kHighest) {
            const TrialOutcome next = trial(at(upK + 1));
            ++result.trials;
            if (usable(up) && usable(next) && oppositeSides(up.ratio, next.ratio) &&
                bisect(trial, at(upK), up.ratio, at(upK + 1), result))
                return true;
            up = next;
            ++upK;
        }
        if (downK > kLowest) {
            const TrialOutcome next = trial(at(downK - 1));
            ++result.trials;
            if (usable(down) && usable(next) && oppositeSides(next.ratio, down.ratio) &&
                bisect(trial, at(downK - 1), next.ratio, at(downK), result))
                return true;
            down = next;
            --downK;
        }
    }
    return false;
}

// The points of one circuit of a cycle, sorted by grid index: neighbours
// on either side of 1, nearest to the start first.
template <typename Trial, std::size_t N>
[[nodiscard]] bool bisectCycle(Trial& trial, std::array<GridPoint, N>& points, std::size_t count,
                               SearchResult& result) {
    std::sort(points.begin(), points.begin() + count,
              [](const GridPoint& a, const GridPoint& b) { return a.k < b.k; });
    std::array<std::size_t, N> pairs{};
    std::size_t pairCount = 0;
    for (std::size_t i = 0; i + 1 < count; ++i)
        if (points[i + 1].k == points[i].k + 1 &&
            oppositeSides(points[i].ratio, points[i + 1].ratio))
            pairs[pairCount++] = i;
    std::sort(pairs.begin(), pairs.begin() + pairCount, [&](std::size_t a, std::size_t b) {
        return std::labs(2 * points[a].k + 1) < std::labs(2 * points[b].k + 1);
    });
    for (std::size_t p = 0; p < pairCount; ++p) {
        const GridPoint& a = points[pairs[p]];
        const GridPoint& b = points[pairs[p] + 1];
        if (bisect(trial, a.xi, a.ratio, b.xi, result)) return true;
    }
    return false;
}

// Ends the search on a trial that lands or cannot go on.
[[nodiscard]] inline bool endsSearch(const TrialOutcome& t, SearchResult& result) {
    if (t.zeroDivisor) {
        result.end = SearchEnd::ZeroDivisor;
        return true;
    }
    if (!t.finite) {
        result.end = SearchEnd::NotFinite;
        return true;
    }
    if (landsInBand(t.ratio)) {
        result.end = SearchEnd::Landed;
        return true;
    }
    return false;
}

// On a later circuit a trial's xi differs from the first only by the
// rounding it has gathered: at most half an ulp a step, so less than 1e-10
// (times |xi|) over the whole trial cap, which moves a ratio by far less
// than 1e-6. Only a ratio this close to an edge of the band could still
// cross into it.
[[nodiscard]] inline bool nearBandEdge(double ratio, double xi) {
    return std::fabs(std::fabs(ratio - 1.0) - kAcceptanceBand) <=
           1e-6 * std::max(1.0, std::fabs(xi));
}

inline constexpr std::size_t kMaxCycle = 512;

// Follows a cycle found at the trial (xi, ratio): once more round it as
// the written search goes, then, if some trial of it comes close to an
// edge of the band, on to the trial cap, evaluating only those trials (the
// others' steps are known). Then bisects the cycle's bracket. True when
// the search has ended; false when it is left to the bracket scan.
template <typename Trial>
[[nodiscard]] bool followCycle(Trial& trial, SearchSteps steps, double xi, double ratio,
                               long cycleLength, SearchResult& result) {
    if (cycleLength > static_cast<long>(kMaxCycle)) return false;
    const std::size_t length = static_cast<std::size_t>(cycleLength);
    std::array<GridPoint, kMaxCycle> cycle{};
    std::array<bool, kMaxCycle> near{};
    bool anyNear = false;
    bool evaluateAll = false;  // near the band above 1.5, where the factor is carried along
    for (std::size_t i = 0;; ++i) {
        cycle[i] = {gridIndex(xi), xi, ratio};
        near[i] = nearBandEdge(ratio, xi);
        anyNear = anyNear || near[i];
        evaluateAll = evaluateAll || (near[i] && xi > kStressBlockLimit);
        if (i + 1 == length) break;
        xi = ratio < 1 ? xi + steps.up : xi - steps.down;
        const TrialOutcome t = trial(xi);
        ++result.trials;
        result.xi = xi;
        if (endsSearch(t, result)) return true;
        ratio = t.ratio;
    }

    if (anyNear) {
        std::size_t at = length - 1;
        bool up = ratio < 1;
        while (result.trials < kTrialCap) {
            xi = up ? xi + steps.up : xi - steps.down;
            at = (at + 1) % length;
            ++result.trials;
            if (evaluateAll || near[at]) {
                const TrialOutcome t = trial(xi);
                result.xi = xi;
                if (endsSearch(t, result)) return true;
                up = t.ratio < 1;
                evaluateAll = evaluateAll || up != (cycle[at].ratio < 1);  // left its cycle
            } else {
                up = cycle[at].ratio < 1;
            }
        }
    }
    return bisectCycle(trial, cycle, length, result);
}

}  // namespace search_detail

template <typename Trial>
[[nodiscard]] SearchResult searchXi(Trial& trial, SearchSteps steps) {
    SearchResult result;
    double xi = kSearchStart;

    // Brent's cycle detection on the search's state: the grid point and,
    // above xi = 1.5, the grid point whose stress-block factor is retained.
    // (Grid indices, not the doubles: a point reached again carries other
    // rounding, and so does a factor computed from it.)
    long savedK = LONG_MIN;
    long savedFactorK = LONG_MIN;
    long power = 1;
    long cycleLength = 0;
    long lastFactorK = LONG_MIN;

    for (;;) {
        const TrialOutcome t = trial(xi);
        ++result.trials;
        result.xi = xi;
        if (search_detail::endsSearch(t, result)) return result;

        const long k = gridIndex(xi);
        if (xi <= kStressBlockLimit) lastFactorK = k;
        const long factorK = xi > kStressBlockLimit ? lastFactorK : LONG_MIN;
        if (k == savedK && factorK == savedFactorK) {
            if (search_detail::followCycle(trial, steps, xi, t.ratio, cycleLength, result))
                return result;
            break;
        }
        if (cycleLength == power) {
            savedK = k;
            savedFactorK = factorK;
            power *= 2;
            cycleLength = 0;
        }
        ++cycleLength;

        if (t.noLandingAhead || std::fabs(xi - kSearchStart) > kDriftBound ||
            result.trials >= kTrialCap)
            break;
        xi = t.ratio < 1 ? xi + steps.up : xi - steps.down;
    }

    return scanSectionRange(trial, result);
}

template <typename Trial>
[[nodiscard]] SearchResult scanSectionRange(Trial& trial, SearchResult result) {
    if (search_detail::scanForBracket(trial, result)) return result;
    result.end = SearchEnd::NotConverging;
    return result;
}

}  // namespace pilaro
