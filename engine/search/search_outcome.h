// What one trial tells a search on xi, what a search ends with, the grid
// every trial depth lies on, and the bisection that refines a bracket of
// two depths: the terms that the written search, the following of its
// cycles and the scan of the section's range share.
#pragma once

#include <cmath>

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
    // The quantity the ratio is divided by, in effect, whose zero makes a
    // pole of the ratio (a smooth function of xi): where it keeps its sign
    // the ratio is as smooth as the section's coefficients.
    double divisor = 1.0;
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
    // Stopped, not converging, on a cycle wholly outside 0 < xi <= 1.5
    // (engine/search/cycle_outside_range.h): where and whether the written
    // steps would have landed outside the range is left untold.
    bool stoppedOutsideRange = false;
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

// Whether a depth is one of the section's own states, 0 < xi <= 1.5.
[[nodiscard]] inline bool onSectionRange(double xi) {
    return xi > 0 && xi <= kStressBlockLimit;
}

namespace search_detail {

[[nodiscard]] inline bool oppositeSides(double ra, double rb) {
    return (ra < 1) != (rb < 1);
}

[[nodiscard]] inline bool usable(const TrialOutcome& t) {
    return !t.zeroDivisor && t.finite;
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

}  // namespace search_detail

}  // namespace pilaro
