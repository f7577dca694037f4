// The moment a slender member's load point stands at on its N-M diagram,
// eta * Mj, worked out here from the formulas of the calculation (the
// eccentricity's factor alpha, the section's second moment with pi as
// 3.1415926, the factor eta), as the diagrams' names show it: rounded down
// to three decimals, trailing zeros dropped.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace pilaro::test {

inline double amplifiedMoment(double Nj, double Mj, double D, double l0, double Eh) {
    const double e0 = Mj / Nj;
    const double alpha = e0 / D < 1 ? 0.1 / (e0 / D + 0.3) + 0.143 : 0.22;
    const double I = 3.1415926 * std::pow(D, 4) / 64;
    const double T = Nj * 1.25 * l0 * l0 / 10 / alpha / Eh / I / 0.95;
    return 1 / (1 - T) * e0 * Nj;
}

inline std::string amplifiedMomentText(double Nj, double Mj, double D, double l0, double Eh) {
    const double floored = std::floor(amplifiedMoment(Nj, Mj, D, l0, Eh) * 1000) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", floored);
    std::string shown = text;
    while (shown.back() == '0') shown.pop_back();
    if (shown.back() == '.') shown.pop_back();
    return shown;
}

}  // namespace pilaro::test
