#include "engine/resistance.h"

#include <cmath>

#include "engine/vector_state.h"

namespace pilaro {

double givenSteelRatio(double Ag, double D) {
    clearUpperVectorHalves();
    return 4 * Ag / kPi / D / D / 10000;
}

double areaOfRatio(double rho, double D) {
    return kPi * rho * D * D / 4;
}

double minimumArea(double D) {
    return (0.001 * kPi) * D * D;
}

double axialResistance(const SectionCoefficients& c, double rho, const SolverInput& in) {
    return 0.95 * c.coefA * in.r * in.r * in.Ra / 1.25 +
           0.95 * c.coefC * rho * in.r * in.r * in.Rg / 1.25;
}

double momentResistance(const SectionCoefficients& c, double rho, const SolverInput& in) {
    const double r3 = std::pow(in.r, 3);
    return 0.95 * c.coefB * r3 * in.Ra / 1.25 / in.eta +
           0.95 * c.coefD * rho * in.g * r3 * in.Rg / 1.25 / in.eta;
}

}  // namespace pilaro
