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
//   followed on to the trial cap (engine/search/cycle_follow.h). Then the two
//   neighbouring grid points of the cycle whose ratios lie on either side
//   of 1 are bisected until a trial lands.
// - Running away: once xi is more than 1000 from the start, the section
//   coefficients have long reached their limits (beyond xi = 1.5 every angle
//   tends to a constant, the ratio changes by less than 1e-6 over the rest
//   of the way), so no landing is left; and a hard cap of trials backs this
//   up. A trial may also tell the search that its ratio can only move away
//   from the band from here on; the search then stops running at once.
//   Then the section's range 0 < xi <= 1.5 is scanned for neighbours on
//   either side of 1 (engine/search/range_scan.h).
//
// The written steps may take the search beyond xi = 1.5, where a trial
// keeps the stress-block factor of an earlier one; those trials steer the
// search as written, and it may even land there. Such a landing is no
// state of the section, and neither solver reports it (onSectionRange).
#pragma once

#include <climits>
#include <cmath>

#include "engine/search/cycle_follow.h"
#include "engine/search/range_scan.h"
#include "engine/search/search_outcome.h"

namespace pilaro {

// The written search alone: Landed, ZeroDivisor or NotFinite as it ends,
// or NotConverging where it never lands (the range is then left to scan).
// `trial(xi)` evaluates one trial and keeps its values, so that after a
// landing the solver reads the landed trial. `mayStop(k, factorK, xi, n)`
// is told of each trial that goes on (its grid index, the grid index whose
// stress-block factor it carries or LONG_MIN, its depth and number) and
// may end the search there, NotConverging and stoppedOutsideRange.
// Nothing here allocates.
template <typename Trial, typename MayStop>
[[nodiscard]] SearchResult writtenSearch(Trial& trial, SearchSteps steps, MayStop& mayStop);

template <typename Trial>
[[nodiscard]] SearchResult writtenSearch(Trial& trial, SearchSteps steps) {
    const auto never = [](long, long, double, long) { return false; };
    return writtenSearch(trial, steps, never);
}

// The written search and, where it never lands, the scan of the range.
template <typename Trial>
[[nodiscard]] SearchResult searchXi(Trial& trial, SearchSteps steps) {
    const SearchResult result = writtenSearch(trial, steps);
    if (result.end != SearchEnd::NotConverging) return result;
    return scanSectionRange(trial, result);
}

template <typename Trial, typename MayStop>
[[nodiscard]] SearchResult writtenSearch(Trial& trial, SearchSteps steps, MayStop& mayStop) {
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
    // The grid index of xi, counted step by step: each step moves xi by a
    // whole number of grid steps, and the rounding gathered on the way
    // (about 1e-7 at most, up to the drift bound and the trial cap) never
    // comes near half a grid step, so the count is gridIndex(xi) without
    // its rounding call at every trial.
    const long upK = gridIndex(kSearchStart + steps.up);
    const long downK = -gridIndex(kSearchStart - steps.down);
    long k = 0;

    for (;;) {
        const TrialOutcome t = trial(xi);
        ++result.trials;
        result.xi = xi;
        if (search_detail::endsSearch(t, result)) return result;

        if (xi <= kStressBlockLimit) lastFactorK = k;
        const long factorK = xi > kStressBlockLimit ? lastFactorK : LONG_MIN;
        if (mayStop(k, factorK, xi, result.trials)) {
            result.end = SearchEnd::NotConverging;
            result.stoppedOutsideRange = true;
            return result;
        }
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
        const bool up = t.ratio < 1;
        xi = up ? xi + steps.up : xi - steps.down;
        k += up ? upK : -downK;
    }
    result.end = SearchEnd::NotConverging;
    return result;
}

}  // namespace pilaro
