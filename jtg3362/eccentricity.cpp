#include "jtg3362/eccentricity.h"

#include <algorithm>
#include <cmath>

namespace pilaro::jtg3362 {

Eccentricity eccentricity(double Nd, double Md, double D, double rs, double l0) {
    Eccentricity x{};
    const double floor = std::max(0.02, D / 30.0);
    const double e0 = std::fabs(Md) / Nd;
    x.e0AtFloor = e0 < floor;
    x.e0 = x.e0AtFloor ? floor : e0;

    const double i = D / 4.0;
    x.slenderness = l0 / i;
    x.etaConsidered = x.slenderness > 17.5;
    x.eta = 1.0;
    if (x.etaConsidered) {
        const double h = D;
        const double h0 = D / 2.0 + rs;
        x.zeta1 = std::min(1.0, 0.2 + 2.7 * x.e0 / h0);
        x.zeta2 = std::min(1.0, 1.15 - 0.01 * l0 / h);
        x.eta = 1.0 + (l0 / h) * (l0 / h) * *x.zeta1 * *x.zeta2 / (1300.0 * x.e0 / h0);
    }
    x.e = x.eta * x.e0;
    return x;
}

}  // namespace pilaro::jtg3362
