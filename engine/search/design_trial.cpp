#include "engine/search/design_trial.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/double_bits.h"
#include "engine/resistance.h"

namespace pilaro {

namespace {

// A depth so far beyond the section that every coefficient has reached
// its limit to the last bit.
constexpr double kFarDepth = 1e8;

struct DesignValues {
    TrialOutcome outcome;
    double rho = 0.0;
    double scale = 0.0;  // the size of the terms the ratio is the sum of, over Nj
};

DesignValues designValues(const SolverInput& in, const SectionCoefficients& c) {
    DesignValues v;
    if (c.zeroDivisor) {
        v.outcome.zeroDivisor = true;
        return v;
    }
    const double numerator = in.Ra * (c.coefB * in.r - c.coefA * in.eta * in.e0);
    const double denominator = c.coefC * in.eta * in.e0 - c.coefD * in.g * in.r;
    if (denominator == 0) {
        v.outcome.zeroDivisor = true;
        return v;
    }
    v.rho = numerator / in.Rg / denominator;
    v.outcome.divisor = denominator;
    v.outcome.ratio = axialResistance(c, v.rho, in) / in.Nj;
    v.outcome.finite = std::isfinite(v.rho) && std::isfinite(v.outcome.ratio);
    v.scale = (std::fabs(c.coefA * in.Ra) + std::fabs(c.coefC * v.rho * in.Rg)) * in.r * in.r /
              std::fabs(in.Nj);
    return v;
}

}  // namespace

// Where the search can only run away, it is told so: past full
// compression upwards, and above the section downwards.
//
// Past full compression, with the stress-block factor held above xi = 1.5,
// C and D no longer change (the whole ring yields in compression) while A
// falls and B rises with xi. The axial resistance at the ratio the moment
// asks for is then r (C B - D g A) / (C eta e0 - D g r) times a constant:
// its numerator only grows with xi (D > 0) and its denominator is fixed,
// so the ratio moves one way only, towards its value far beyond the
// section. Where both that value and the present one lie below the band,
// no later trial of the upward steps lands.
//
// Above the section (xi < 0, the factor 0.8) no bar yields, so C is
// exactly -pi and D exactly 0, and that resistance is r B Ra / (eta e0)
// times a constant, B growing as xi falls. A ratio above the band only
// grows as the search steps down.
//
// Both need a steel whose yield strain lies below 0.0033, so that the ring
// stays as it is further on (and the strengths and modulus of the grades,
// all positive). The margin covers the rounding of the sum the ratio is
// computed as.
TrialOutcome DesignTrial::operator()(double xi) {
    c = memo.at(xi, memory, reading);
    const DesignValues v = designValues(in, c);
    rho = v.rho;
    TrialOutcome t = v.outcome;
    const bool yieldStrainBelowCrushing = in.Rg > 0 && in.Eg > 0 && in.Rg / 0.0033 / in.Eg < 1;
    if (!search_detail::usable(t) || !yieldStrainBelowCrushing || !(memory.beta > 0)) return t;
    const double margin = 1e-9 + 1e-12 * v.scale;
    if (xi < 0 && c.noBarYields && in.Ra > 0 && in.e0 * in.eta > 0) {
        t.noLandingAhead = t.ratio > 1 + kAcceptanceBand + margin;
        return t;
    }
    if (!(xi > kStressBlockLimit && c.pastFullCompression)) return t;
    if (bitsOf(farBeta) != bitsOf(memory.beta)) {
        StressBlockMemory held = memory;
        const DesignValues far =
            designValues(in, sectionCoefficients(kFarDepth, in.g, in.Rg, in.Eg, held));
        farBeta = memory.beta;
        farRatio = search_detail::usable(far.outcome) ? far.outcome.ratio
                                                      : std::numeric_limits<double>::infinity();
        farScale = far.scale;
    }
    const double below = 1 - kAcceptanceBand - std::max(margin, 1e-9 + 1e-12 * farScale);
    t.noLandingAhead = t.ratio < below && farRatio < below;
    return t;
}

}  // namespace pilaro
