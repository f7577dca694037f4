#include "engine/section.h"

#include <cmath>

namespace pilaro {

double angleOf(double t) {
    const double s = std::sqrt(std::fabs(1 - t * t));
    double angle = std::atan(s / t);
    if (t < 0) angle = angle + kPi;
    return angle;
}

namespace {

double stressBlockFactor(double xi, StressBlockMemory& memory) {
    if (xi > kStressBlockLimit) return memory.beta;
    const double beta = xi <= 1 ? 0.8 : 1.06667 - 0.26667 * xi;
    memory.beta = beta;
    return beta;
}

// Where the steel ring's strain never reaches the yield strain the yielded
// zone is empty (angle 0); where the whole half ring passes it, the zone is
// the whole half turn. Between, the angle rule gives the arccosine.
double yieldAngle(double t) {
    if (t > 1) return 0.0;
    if (t < -1) return kPi;
    return angleOf(t);
}

}  // namespace

SectionCoefficients sectionCoefficients(double xi, double g, double Rg, double Eg,
                                        StressBlockMemory& memory) {
    SectionCoefficients c;
    const double beta = stressBlockFactor(xi, memory);

    const double t0 = 1 - 2 * xi * beta;
    const double t1 = 2 * xi * Rg / g / 0.0033 / Eg + (1 - 2 * xi) / g;
    const double t2 = -2 * xi * Rg / g / 0.0033 / Eg + (1 - 2 * xi) / g;
    if (t0 == 0 || t1 == 0 || t2 == 0) {
        c.zeroDivisor = true;
        return c;
    }

    c.pastFullCompression = t0 < -1 && t1 < -1;
    c.noBarYields = t1 > 1 && t2 > 1;
    // Each sine is taken once and its value used wherever the formulas
    // name it: the same call gives the same bits, and the library call is
    // most of the cost of a trial.
    const double theta = angleOf(t0);
    const double sinTheta = std::sin(theta);
    c.coefA = (2 * theta - std::sin(2 * theta)) / 2;
    c.coefB = (2.0 / 3.0) * sinTheta * sinTheta * sinTheta;

    const double phi1 = yieldAngle(t1);
    const double phi2 = yieldAngle(t2);

    // den is the elastic strain factor at the compression-yield angle. When
    // no steel reaches that strain (or all of it does), the angle is fixed
    // and cos(phi1) no longer stands for t1: take the factor itself.
    const bool phi1Fixed = t1 > 1 || t1 < -1;
    const double den = phi1Fixed ? 2 * xi * Rg / 0.0033 / Eg : g * std::cos(phi1) - 1 + 2 * xi;
    if (den == 0) {
        c.zeroDivisor = true;
        return c;
    }

    const double sinPhi1 = std::sin(phi1);
    const double sinPhi2 = std::sin(phi2);
    c.coefC = (phi1 - kPi + phi2) + (g * (sinPhi2 - sinPhi1) - (1 - 2 * xi) * (phi2 - phi1)) / den;
    c.coefD = (sinPhi1 + sinPhi2) +
              (g * ((phi2 - phi1) / 2 + (std::sin(2 * phi2) - std::sin(2 * phi1)) / 4) -
               (1 - 2 * xi) * (sinPhi2 - sinPhi1)) /
                  den;
    return c;
}

}  // namespace pilaro
