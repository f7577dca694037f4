#include "engine/search/check_trial.h"

#include <cmath>

namespace pilaro {

// Above the section (xi < 0, the factor 0.8) no bar yields where the
// steel's yield strain lies below 0.0033, at this depth and at every
// shallower one, since t1 and t2 only grow as xi falls: C is then exactly
// -pi and D exactly 0, and the ratio is the load's eccentricity times
// (A Ra - pi rho Rg) / (B Ra r). As xi falls the block's angle grows
// towards pi / 4, and with it both A and B, A faster than B in proportion
// ((A - K) / B rises for every K >= 0). So where the denominator is
// positive (a ratio above 1 says so) the ratio only grows as the search
// steps down, and every later trial is usable: once above the band it
// never comes back. The margin covers the rounding of the computed ratio,
// which grows where the two terms of its denominator nearly cancel.
bool CheckTrial::ratioOnlyGrowsBelow(const SectionCoefficients& at, double denominator,
                                     double ratio) const {
    const bool yieldStrainBelowCrushing = in.Rg > 0 && in.Eg > 0 && in.Rg / 0.0033 / in.Eg < 1;
    if (!at.noBarYields || !yieldStrainBelowCrushing || !(in.Ra > 0) || !(rhoGiven >= 0) ||
        !(in.e0 * in.eta > 0) || !(in.r > 0) || !(in.g > 0))
        return false;
    const double cancellation =
        (std::fabs(at.coefA * in.Ra) + std::fabs(at.coefC * rhoGiven * in.Rg)) /
        std::fabs(denominator);
    const double margin = 1e-9 + 1e-12 * ratio * cancellation;
    return ratio > 1 + kAcceptanceBand + margin;
}

// On the shallow depths 0 < xi <= 0.6 (the stress-block factor 0.8, the
// concrete's angle at most a right angle) the section's axial resistance,
// A Ra + C rho Rg, only grows with xi: A grows with the concrete's angle,
// and C is the integral over the ring of the steel's stress over its
// strength, clamp((g cos a - 1 + 2 xi) / (2 xi Rg / 0.0033 / Eg), -1, 1),
// which grows with xi at every bar where g < 1. Its moment, B Ra + D rho g
// Rg, is positive: B grows with the angle there, and D, that stress
// weighted by cos a, is not negative, as the stress falls with a. So where
// the resistance at the deeper end is a tension, every depth between
// resists in tension with a positive moment: its eccentricity is negative,
// and so is the ratio of the load's to it. The margins stand far above
// the rounding of the coefficients and of the sums.
bool CheckTrial::belowOneThroughout(double xa, double xb) {
    constexpr double kDeepestShallow = 0.6;
    const double target = in.e0 * in.eta;
    if (!(xa > 0 && xa < xb && xb <= kDeepestShallow) || !(in.Ra > 0) || !(in.Rg > 0) ||
        !(in.Eg > 0) || !(in.g > 0 && in.g < 1) || !(rhoGiven >= 0) || !std::isfinite(rhoGiven) ||
        !(in.r > 0) || !(target > 0) || !std::isfinite(target))
        return false;
    StressBlockMemory held = memory;
    const SectionCoefficients shallow = memo.evaluate(xa, held);
    const SectionCoefficients deep = memo.evaluate(xb, held);
    if (shallow.zeroDivisor || deep.zeroDivisor) return false;
    const double concrete = deep.coefA * in.Ra;
    const double steel = deep.coefC * rhoGiven * in.Rg;
    const double resistance = concrete + steel;
    if (!std::isfinite(resistance) ||
        !(resistance < -1e-6 * (std::fabs(concrete) + std::fabs(steel))))
        return false;
    const double concreteMoment = shallow.coefB * in.Ra;
    return std::isfinite(concreteMoment) && concreteMoment > 1e-7 * rhoGiven * in.g * in.Rg;
}

TrialOutcome CheckTrial::operator()(double xi) {
    TrialOutcome t;
    c = memo.at(xi, memory, reading);
    if (c.zeroDivisor) {
        t.zeroDivisor = true;
        return t;
    }
    const double numerator = c.coefB * in.Ra + c.coefD * rhoGiven * in.g * in.Rg;
    const double denominator = c.coefA * in.Ra + c.coefC * rhoGiven * in.Rg;
    if (denominator == 0) {
        t.zeroDivisor = true;
        return t;
    }
    eq = numerator / denominator * in.r;
    t.divisor = numerator;  // the ratio is the load's eccentricity over eq
    compressed = denominator > 0;
    if (eq == 0) {
        t.zeroDivisor = true;
        return t;
    }
    // The resistance must act at the amplified eccentricity of the
    // loads, exactly as in the design; a check at e0 / eta would look at
    // a smaller eccentricity than the loads have and overstate Nq.
    t.ratio = (in.e0 * in.eta) / eq;
    t.finite = std::isfinite(eq) && std::isfinite(t.ratio);
    // Past full compression (with the factor held above xi = 1.5) eq only
    // grows with xi, so a ratio below the band only falls as the search
    // steps up. The margin covers the last bits of the computed ratio.
    if (xi > kStressBlockLimit) {
        t.noLandingAhead = c.pastFullCompression && t.ratio < 1 - kAcceptanceBand - 1e-9;
        return t;
    }
    t.noLandingAhead = xi < 0 && t.finite && ratioOnlyGrowsBelow(c, denominator, t.ratio);
    return t;
}

}  // namespace pilaro
