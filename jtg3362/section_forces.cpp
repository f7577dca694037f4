#include "jtg3362/section_forces.h"

#include <cmath>
#include <numbers>

namespace pilaro::jtg3362 {

SectionForces sectionForces(const Section& s, double alpha) {
    constexpr double pi = std::numbers::pi;
    const double alphaT = alpha < 0.625 ? 1.25 - 2.0 * alpha : 0.0;
    const double N = alpha * s.fcd * s.A * (1.0 - std::sin(2.0 * pi * alpha) / (2.0 * pi * alpha)) +
                     (alpha - alphaT) * s.fs * s.As;
    const double M = 2.0 / 3.0 * s.fcd * s.A * s.r * std::pow(std::sin(pi * alpha), 3) / pi +
                     s.fs * s.As * s.rs * (std::sin(pi * alpha) + std::sin(pi * alphaT)) / pi;
    return {alphaT, N, M};
}

}  // namespace pilaro::jtg3362
