// What the N-M diagram of a current-code calculation draws: the section's
// resistance over 0 < α < 1, the axial limit and the load.
#pragma once

#include <optional>
#include <vector>

#include "jtg3362/records.h"

namespace pilaro::jtg3362 {

struct CurvePoint {
    double M;  // kN m
    double N;  // kN
};

struct InteractionCurve {
    // (M(α), N(α)) in order of α, from near 0 (the steel in tension, N < 0)
    // to near 1 (the section in compression), with the corner at α = 0.625.
    std::vector<CurvePoint> points;
    double Nmax;      // kN, a horizontal line
    CurvePoint load;  // (γ0 Nd η e0, γ0 Nd)
};

// α = i / 256 for i = 1 to 255.
inline constexpr int kCurveSteps = 256;

// The curve of the area the outcome belongs to: a check's given area, the
// design's area, or the area at 5 % where the section must be enlarged.
// Nothing for an outcome without figures (any other status).
[[nodiscard]] std::optional<InteractionCurve> interactionCurve(const Input& input,
                                                               const Outcome& outcome);

}  // namespace pilaro::jtg3362
