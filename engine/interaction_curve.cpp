#include "engine/interaction_curve.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/resistance.h"
#include "engine/search/curve_top.h"
#include "engine/search/search_outcome.h"
#include "engine/section.h"
#include "engine/vector_state.h"

namespace pilaro {

namespace {

constexpr double kCoarseStep = 0.01;  // of xi, before refinement
constexpr int kDeepestSplit = 10;     // halvings of one coarse step
constexpr double kFlatness = 2e-4;  // of the curve's extent: a midpoint this close is on its chord

struct Scale {
    double N, M;
};

std::optional<CurvePoint> stateAt(const SolverInput& in, double rho, double xi) {
    StressBlockMemory memory;
    const SectionCoefficients c = sectionCoefficients(xi, in.g, in.Rg, in.Eg, memory);
    if (c.zeroDivisor) return std::nullopt;
    // The check's moment divided by eta, with eta 1: the moment N * eq.
    SolverInput plain = in;
    plain.eta = 1;
    const CurvePoint p{xi, axialResistance(c, rho, in), momentResistance(c, rho, plain)};
    if (!std::isfinite(p.N) || !std::isfinite(p.M)) return std::nullopt;
    return p;
}

// How far the middle point lies from the chord of its neighbours, in
// shares of the curve's extent.
double offChord(const CurvePoint& a, const CurvePoint& m, const CurvePoint& b, Scale s) {
    const double ax = a.M / s.M, ay = a.N / s.N;
    const double bx = b.M / s.M, by = b.N / s.N;
    const double mx = m.M / s.M, my = m.N / s.N;
    const double dx = bx - ax, dy = by - ay;
    const double length = std::hypot(dx, dy);
    if (length == 0) return std::hypot(mx - ax, my - ay);
    return std::fabs((mx - ax) * dy - (my - ay) * dx) / length;
}

// The points strictly between a and b, in order from a, halving the step
// until each midpoint lies on its chord.
void refine(const SolverInput& in, double rho, const CurvePoint& a, const CurvePoint& b, Scale s,
            int depth, std::vector<CurvePoint>& out) {
    if (depth >= kDeepestSplit) return;
    const std::optional<CurvePoint> m = stateAt(in, rho, (a.xi + b.xi) / 2);
    if (!m || offChord(a, *m, b, s) <= kFlatness) return;
    refine(in, rho, a, *m, s, depth + 1, out);
    out.push_back(*m);
    refine(in, rho, *m, b, s, depth + 1, out);
}

}  // namespace

std::vector<CurvePoint> interactionCurve(const SolverInput& in, double rho) {
    clearUpperVectorHalves();
    const std::optional<double> top = smallestEccentricityDepth(in, rho);
    if (!top) return {};

    // Coarse points from the top down to the shallowest grid depth.
    std::vector<CurvePoint> coarse;
    const double lowest = gridPoint(kLowestGridIndex);
    const long steps = static_cast<long>(std::ceil((*top - lowest) / kCoarseStep));
    for (long i = 0; i <= steps; ++i) {
        const double xi = i == steps ? lowest : *top - kCoarseStep * static_cast<double>(i);
        if (const std::optional<CurvePoint> p = stateAt(in, rho, xi)) coarse.push_back(*p);
    }
    if (coarse.empty()) return {};

    // Down to the smallest axial force only.
    const auto smallest =
        std::min_element(coarse.begin(), coarse.end(),
                         [](const CurvePoint& a, const CurvePoint& b) { return a.N < b.N; });
    coarse.erase(smallest + 1, coarse.end());

    Scale scale{0, 0};
    for (const CurvePoint& p : coarse) {
        scale.N = std::max(scale.N, std::fabs(p.N));
        scale.M = std::max(scale.M, std::fabs(p.M));
    }
    if (scale.N == 0) scale.N = 1;
    if (scale.M == 0) scale.M = 1;

    std::vector<CurvePoint> curve{coarse.front()};
    for (std::size_t i = 1; i < coarse.size(); ++i) {
        refine(in, rho, coarse[i - 1], coarse[i], scale, 0, curve);
        curve.push_back(coarse[i]);
    }
    return curve;
}

LoadPoint loadPoint(const SolverInput& in) {
    clearUpperVectorHalves();
    return {in.Nj, in.eta * in.e0 * in.Nj};
}

}  // namespace pilaro
