// What the written search does once it circles: a cycle of grid points,
// recognised on the grid index, followed as written where rounding could
// still let it land, then its bracket bisected.
//
// A later circuit of a cycle differs from the first only by the rounding
// its steps gather. Where a trial of the cycle passes close to an edge of
// the band, the written search is followed on to the trial cap, as it
// would go, and only those trials are evaluated. Stepping a million times
// costs milliseconds, so the circuits are not stepped one by one where the
// rounding is known exactly: while every depth of the cycle stays within
// one binade (one exponent of the double) and no step's rounding is a tie,
// each step adds the same amount, rounding included, on every circuit, so
// a depth of the cycle moves by one fixed amount a circuit. Its depth on
// any circuit is then known at once, bit for bit.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include "engine/search/search_outcome.h"

namespace pilaro::search_detail {

struct GridPoint {
    long k;
    double xi;
    double ratio;
};

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

struct Cycle {
    std::array<GridPoint, kMaxCycle> points{};  // one circuit, in the search's order
    std::array<bool, kMaxCycle> near{};         // close to an edge of the band
    std::size_t length = 0;

    [[nodiscard]] double step(std::size_t i, SearchSteps steps) const {
        return points[i].ratio < 1 ? steps.up : -steps.down;
    }
};

// The binade of a nonzero double (its sign and exponent); 0 for a power of
// two, the edge of two binades, where a rounding from below may land.
[[nodiscard]] inline long binadeOf(double x) {
    int exponent = 0;
    const double mantissa = std::frexp(x, &exponent);
    if (std::fabs(mantissa) == 0.5 || !std::isfinite(x)) return 0;
    return x < 0 ? -exponent - 100000 : exponent + 100000;
}

// The spacing of the doubles in x's binade.
[[nodiscard]] inline double ulpOf(double x) {
    int exponent = 0;
    static_cast<void>(std::frexp(x, &exponent));
    return std::ldexp(1.0, exponent - 53);
}

// Whether x - d is exact for every x between `from` and `to` (Sterbenz:
// two doubles of one sign within a factor of 2 of each other subtract
// exactly).
[[nodiscard]] inline bool subtractsExactly(double from, double to, double step) {
    const auto within = [&](double x) {
        return step != 0 && (x < 0) == (step > 0) && std::fabs(step) / 2 <= std::fabs(x) &&
               std::fabs(x) <= 2 * std::fabs(step);
    };
    return within(from) && within(to);
}

// How far every depth of the cycle moves a circuit, where it moves by that
// same amount, exactly, on each of `circuits` circuits to come; NaN where
// it may not. A step from x to the rounded x + s moves x by the same amount
// on every circuit where x + s is exact on every circuit, or where the
// drift is a whole multiple of the spacing of the doubles the step lands
// among (so the part of x + s below that spacing never changes) and the
// step lands in the same binade on every circuit.
[[nodiscard]] inline double driftPerCircuit(const Cycle& cycle, SearchSteps steps, long circuits) {
    const std::size_t last = cycle.length - 1;
    const double drift = (cycle.points[last].xi + cycle.step(last, steps)) - cycle.points[0].xi;
    const double far = static_cast<double>(circuits) * drift;
    for (std::size_t i = 0; i < cycle.length; ++i) {
        const double x = cycle.points[i].xi;
        const double step = cycle.step(i, steps);
        const double next = x + step;
        const double expected = i < last ? cycle.points[i + 1].xi : cycle.points[0].xi + drift;
        if (next != expected) return NAN;
        if (subtractsExactly(x, x + far, step)) continue;
        const double spacing = ulpOf(next);
        const long binade = binadeOf(next);
        if (binade == 0 || binadeOf(next + far) != binade || std::fmod(drift, spacing) != 0)
            return NAN;
        // The rounding error of x + step, exactly (two-sum): a tie lies
        // half a spacing off, and rounds to the even neighbour, which stays
        // the even one only where the drift is a multiple of two spacings.
        const double back = next - x;
        const double error = (x - (next - back)) + (step - back);
        if (std::fabs(error) == spacing / 2 && std::fmod(drift, 2 * spacing) != 0) return NAN;
    }
    return drift;
}

enum class DriftEnd { Ended, AtCap, LeftCycle };

// The written steps from the end of the recorded circuit on to the trial
// cap (`steps` of them), where only the trials near the band's edge are
// evaluated: the trial at position `at` of circuit n (from 1) lies at
// xi(at) + n drift. A position whose ratio lies beyond the band's edge, on
// its side of 1, by far more than the drift can move it, on its first and
// on its last circuit, lands on no circuit between and is not evaluated on
// each. Ended: a trial ended the search. AtCap: the written steps reached
// the cap, the trial last evaluated on them evaluated last. LeftCycle: a
// trial's ratio turned to the other side of 1, and the steps from it on
// (`xi`, its position `at`) must be taken one by one.
template <typename Trial>
[[nodiscard]] DriftEnd followDrift(Trial& trial, const Cycle& cycle, double drift, long steps,
                                   double& xi, long& at, SearchResult& result) {
    const long start = result.trials;
    const long length = static_cast<long>(cycle.length);
    const auto point = [&](long i) -> const GridPoint& {
        return cycle.points[static_cast<std::size_t>(i)];
    };
    const auto depth = [&](long i, long circuit) {
        return point(i).xi + static_cast<double>(circuit) * drift;
    };
    // The trial count at which position i is reached on a circuit.
    const auto taken = [&](long i, long circuit) { return (circuit - 1) * length + i + 1; };
    const auto lastCircuit = [&](long i) {
        return steps < i + 1 ? 0 : (steps - i - 1) / length + 1;
    };
    const auto farFromBand = [&](long i, long circuit) {
        const TrialOutcome t = trial(depth(i, circuit));
        return usable(t) && (t.ratio < 1) == (point(i).ratio < 1) &&
               std::fabs(t.ratio - 1) - kAcceptanceBand > 1e-8;
    };

    std::array<long, kMaxCycle> followed{};  // positions evaluated on every circuit
    std::size_t followedCount = 0;
    long last = -1;  // the near position whose trial comes last before the cap
    for (long i = 0; i < length; ++i) {
        const long circuits = lastCircuit(i);
        if (!cycle.near[static_cast<std::size_t>(i)] || circuits == 0) continue;
        if (last < 0 || taken(i, circuits) > taken(last, lastCircuit(last))) last = i;
        if (!farFromBand(i, 1) || !farFromBand(i, circuits)) followed[followedCount++] = i;
    }

    const long circuits = followedCount == 0 ? 0 : (steps + length - 1) / length;
    for (long circuit = 1; circuit <= circuits; ++circuit) {
        for (std::size_t f = 0; f < followedCount; ++f) {
            const long i = followed[f];
            if (taken(i, circuit) > steps) break;
            xi = depth(i, circuit);
            const TrialOutcome t = trial(xi);
            result.trials = start + taken(i, circuit);
            result.xi = xi;
            if (endsSearch(t, result)) return DriftEnd::Ended;
            if ((t.ratio < 1) != (point(i).ratio < 1)) {
                at = i;
                return DriftEnd::LeftCycle;
            }
        }
    }
    result.trials = start + steps;
    if (last >= 0) {
        result.xi = depth(last, lastCircuit(last));
        static_cast<void>(trial(result.xi));
    }
    return DriftEnd::AtCap;
}

// Follows a cycle found at the trial (xi, ratio): once more round it as
// the written search goes, then, if some trial of it comes close to an
// edge of the band, on to the trial cap, evaluating only those trials (the
// others' steps are known). Then bisects the cycle's bracket. True when
// the search has ended; false when it is left to the bracket scan.
template <typename Trial>
[[nodiscard]] bool followCycle(Trial& trial, SearchSteps steps, double xi, double ratio,
                               long cycleLength, SearchResult& result) {
    if (cycleLength > static_cast<long>(kMaxCycle)) return false;
    Cycle cycle;
    cycle.length = static_cast<std::size_t>(cycleLength);
    bool anyNear = false;
    bool nearAboveBlock = false;  // a trial near the band's edge beyond xi = 1.5
    bool withinBlock = false;     // a trial at or below 1.5, which sets the factor anew
    for (std::size_t i = 0;; ++i) {
        cycle.points[i] = {gridIndex(xi), xi, ratio};
        cycle.near[i] = nearBandEdge(ratio, xi);
        anyNear = anyNear || cycle.near[i];
        nearAboveBlock = nearAboveBlock || (cycle.near[i] && xi > kStressBlockLimit);
        withinBlock = withinBlock || xi <= kStressBlockLimit;
        if (i + 1 == cycle.length) break;
        xi = ratio < 1 ? xi + steps.up : xi - steps.down;
        const TrialOutcome t = trial(xi);
        ++result.trials;
        result.xi = xi;
        if (endsSearch(t, result)) return true;
        ratio = t.ratio;
    }

    // Beyond 1.5 a trial takes the stress-block factor of the last trial at
    // or below it. Where the cycle has such a trial, the factor follows that
    // trial's depth, which drifts from circuit to circuit: a trial near the
    // band beyond 1.5 then depends on more than its own depth, and every
    // trial is evaluated. A cycle wholly beyond 1.5 keeps the factor it
    // came with on every circuit, and its trials, like those below 1.5,
    // depend on their depth alone.
    bool evaluateAll = nearAboveBlock && withinBlock;
    if (anyNear && result.trials < kTrialCap) {
        const long length = cycleLength;
        long at = length - 1;
        bool up = ratio < 1;
        const long remaining = kTrialCap - result.trials;
        const double drift = driftPerCircuit(cycle, steps, (remaining + length - 1) / length + 1);
        if (!evaluateAll && !std::isnan(drift)) {
            switch (followDrift(trial, cycle, drift, remaining, xi, at, result)) {
                case DriftEnd::Ended:
                    return true;
                case DriftEnd::AtCap:
                    return bisectCycle(trial, cycle.points, cycle.length, result);
                case DriftEnd::LeftCycle:
                    evaluateAll = true;
                    up = !(cycle.points[static_cast<std::size_t>(at)].ratio < 1);
                    break;
            }
        }
        // The written steps one by one.
        while (result.trials < kTrialCap) {
            xi = up ? xi + steps.up : xi - steps.down;
            if (++at == length) at = 0;
            ++result.trials;
            const auto i = static_cast<std::size_t>(at);
            if (evaluateAll || cycle.near[i]) {
                const TrialOutcome t = trial(xi);
                result.xi = xi;
                if (endsSearch(t, result)) return true;
                up = t.ratio < 1;
                evaluateAll = evaluateAll || up != (cycle.points[i].ratio < 1);  // left its cycle
            } else {
                up = cycle.points[i].ratio < 1;
            }
        }
    }
    return bisectCycle(trial, cycle.points, cycle.length, result);
}

}  // namespace pilaro::search_detail
