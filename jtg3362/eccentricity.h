// The eccentricity the section is checked at: e0 with its floor, and its
// amplification η for a slender member (JTG 3362-2018, 5.3.9 and 5.3.10).
#pragma once

#include <optional>

namespace pilaro::jtg3362 {

struct Eccentricity {
    double e0;           // m, after the floor
    bool e0AtFloor;      // |Md| / Nd was below the floor
    double slenderness;  // l0 / i with i = D / 4
    bool etaConsidered;  // slenderness > 17.5
    std::optional<double> zeta1;
    std::optional<double> zeta2;
    double eta;
    double e;  // η e0
};

// e0 = |Md| / Nd, never less than max(0.02 m, D / 30). Where l0 / i > 17.5,
// η = 1 + (l0/h)² ζ1 ζ2 / (1300 e0/h0) with h = D, h0 = r + rs,
// ζ1 = min(1, 0.2 + 2.7 e0/h0), ζ2 = min(1, 1.15 - 0.01 l0/h); else η = 1.
// kN, kN m, m; Nd > 0, D > 0.
[[nodiscard]] Eccentricity eccentricity(double Nd, double Md, double D, double rs, double l0);

}  // namespace pilaro::jtg3362
