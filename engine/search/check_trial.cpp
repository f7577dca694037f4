#include "engine/search/check_trial.h"

#include <cmath>

namespace pilaro {

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
    t.noLandingAhead =
        xi > kStressBlockLimit && c.pastFullCompression && t.ratio < 1 - kAcceptanceBand - 1e-9;
    return t;
}

}  // namespace pilaro
