#include "engine/search/curve_top.h"

#include <algorithm>
#include <cmath>

#include "engine/vector_state.h"

namespace pilaro {

namespace {

double usableEccentricity(const CheckTrial& trial, const TrialOutcome& t) {
    if (t.zeroDivisor || !t.finite || !trial.compressed || trial.eq <= 0) return INFINITY;
    return trial.eq;
}

}  // namespace

double eccentricityAt(CheckTrial& trial, double xi) {
    return usableEccentricity(trial, trial(xi));
}

void CoarseEccentricities::note(long j, const CheckTrial& trial, const TrialOutcome& t) {
    eq[static_cast<std::size_t>(j)] = usableEccentricity(trial, t);
    numerator[static_cast<std::size_t>(j)] = t.divisor;
    noted = j + 1 == search_detail::kCoarseCount;
}

namespace {

struct GridMinimum {
    long k = 0;
    double eq = INFINITY;
};

// Every grid point, the first of the smallest eccentricity.
GridMinimum scanGrid(CheckTrial& trial, SearchResult& result) {
    GridMinimum best;
    for (long k = kLowestGridIndex; k <= kHighestGridIndex; ++k) {
        const double eq = eccentricityAt(trial, gridPoint(k));
        ++result.trials;
        if (eq < best.eq) best = {k, eq};
    }
    return best;
}

// The same grid point from the coarse points the range scan reads, where
// the eccentricity falls and then rises with xi, as a section's does (it
// usually falls all the way to 1.5): the coarse point of smallest
// eccentricity, then downhill point by point. A stretch between coarse
// points where eq's numerator comes near 0 (eq with it) is read point by
// point. Nothing where the coarse points do not show one valley of usable
// states, or the walk reaches the neighbouring coarse points, or two
// points tie: the grid is then read whole.
std::optional<GridMinimum> walkGrid(CheckTrial& trial, SearchResult& result,
                                    CoarseEccentricities coarse) {
    using search_detail::coarseIndex;
    using search_detail::kCoarseCount;
    using search_detail::staysOnOneSide;
    if (!coarse.noted) {
        for (long j = 0; j < kCoarseCount; ++j) {
            coarse.note(j, trial, trial(gridPoint(coarseIndex(j))));
            ++result.trials;
        }
    }
    const auto at = [&](long j) { return coarse.eq[static_cast<std::size_t>(j)]; };
    long lowest = -1;
    for (long j = 0; j < kCoarseCount; ++j)
        if (std::isfinite(at(j)) && (lowest < 0 || at(j) < at(lowest))) lowest = j;
    if (lowest < 0) return std::nullopt;
    // One valley: the usable coarse points all in one run, falling strictly
    // towards the lowest and rising strictly after it.
    long first = lowest;
    while (first > 0 && std::isfinite(at(first - 1))) {
        if (!(at(first - 1) > at(first))) return std::nullopt;
        --first;
    }
    long last = lowest;
    while (last + 1 < kCoarseCount && std::isfinite(at(last + 1))) {
        if (!(at(last + 1) > at(last))) return std::nullopt;
        ++last;
    }
    for (long j = 0; j < kCoarseCount; ++j)
        if ((j < first || j > last) && std::isfinite(at(j))) return std::nullopt;

    const auto eqAt = [&](long k) -> double {
        if (k < kLowestGridIndex || k > kHighestGridIndex) return INFINITY;
        ++result.trials;
        return eccentricityAt(trial, gridPoint(k));
    };
    const long floor = lowest > 0 ? coarseIndex(lowest - 1) : kLowestGridIndex - 1;
    const long ceiling =
        lowest + 1 < kCoarseCount ? coarseIndex(lowest + 1) : kHighestGridIndex + 1;
    GridMinimum best{coarseIndex(lowest), at(lowest)};
    const double above = eqAt(best.k + 1);
    if (above == best.eq) return std::nullopt;
    const int direction = above < best.eq ? 1 : -1;
    double next = direction == 1 ? above : eqAt(best.k - 1);
    while (next < best.eq) {
        best = {best.k + direction, next};
        if (best.k <= floor || best.k >= ceiling) return std::nullopt;
        next = eqAt(best.k + direction);
    }
    if (next == best.eq) return std::nullopt;

    // Where eq's numerator may pass 0 between coarse points, eq may come
    // down towards 0 there: those stretches point by point.
    const auto divisorAt = [&](long j) {
        return j < first || j > last ? NAN : coarse.numerator[static_cast<std::size_t>(j)];
    };
    for (long j = first; j < last; ++j) {
        if (staysOnOneSide(0, divisorAt(j - 1), divisorAt(j), divisorAt(j + 1), divisorAt(j + 2)))
            continue;
        for (long k = coarseIndex(j) + 1; k < coarseIndex(j + 1); ++k) {
            const double eq = eqAt(k);
            if (eq == best.eq && k != best.k) return std::nullopt;
            if (eq < best.eq) best = {k, eq};
        }
    }
    return best;
}

// The depth of smallest eccentricity between two depths around a grid
// minimum, by golden-section search.
double refineSmallest(CheckTrial& trial, double low, double high, SearchResult& result) {
    constexpr double kGolden = 0.6180339887498949;
    double x1 = high - kGolden * (high - low);
    double x2 = low + kGolden * (high - low);
    double e1 = eccentricityAt(trial, x1);
    double e2 = eccentricityAt(trial, x2);
    result.trials += 2;
    for (int i = 0; i < 80 && x1 < x2; ++i) {
        if (e1 <= e2) {
            high = x2;
            x2 = x1;
            e2 = e1;
            x1 = high - kGolden * (high - low);
            e1 = eccentricityAt(trial, x1);
        } else {
            low = x1;
            x1 = x2;
            e1 = e2;
            x2 = low + kGolden * (high - low);
            e2 = eccentricityAt(trial, x2);
        }
        ++result.trials;
    }
    return e1 <= e2 ? x1 : x2;
}

}  // namespace

std::optional<CurveTop> smallestEccentricity(CheckTrial& trial, SearchResult& result,
                                             const CoarseEccentricities& coarse) {
    const std::optional<GridMinimum> walked = walkGrid(trial, result, coarse);
    const GridMinimum best = walked ? *walked : scanGrid(trial, result);
    if (!std::isfinite(best.eq)) return std::nullopt;
    const auto at = [](long k) {
        return gridPoint(std::clamp(k, kLowestGridIndex, kHighestGridIndex));
    };
    const double xi = refineSmallest(trial, at(best.k - 1), at(best.k + 1), result);
    const double refined = eccentricityAt(trial, xi);
    const CurveTop found =
        refined > best.eq ? CurveTop{at(best.k), best.eq} : CurveTop{xi, refined};
    if (found.xi == kStressBlockLimit) return found;
    const double atEnd = eccentricityAt(trial, kStressBlockLimit);
    ++result.trials;
    if (std::isfinite(atEnd) && std::fabs(atEnd - found.eq) <= kFlatTopTolerance * atEnd)
        return CurveTop{kStressBlockLimit, found.eq};
    return found;
}

std::optional<double> smallestEccentricityDepth(const SolverInput& in, double rhoGiven) {
    clearUpperVectorHalves();
    CoefficientMemo memo(in.g, in.Rg, in.Eg);
    CheckTrial trial{in, rhoGiven, memo, Reading::ThroughMemo};
    SearchResult unused;
    const std::optional<CurveTop> top = smallestEccentricity(trial, unused);
    if (!top) return std::nullopt;
    return top->xi;
}

}  // namespace pilaro
