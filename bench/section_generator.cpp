#include "bench/section_generator.h"

#include <cmath>

#include "engine/materials.h"
#include "engine/section.h"

namespace pilaro {
namespace {

// The double a user's typed figure reads as: 36.3, not 363 * 0.1.
double toDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

double uniform(std::mt19937_64& random, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
}

double logUniform(std::mt19937_64& random, double low, double high) {
    return std::exp(uniform(random, std::log(low), std::log(high)));
}

}  // namespace

SectionCase randomSection(std::mt19937_64& random, bool check) {
    SectionCase s{};
    s.concrete = std::uniform_int_distribution<std::size_t>(0, concreteGrades().size() - 1)(random);
    s.steel = std::uniform_int_distribution<std::size_t>(0, steelGrades().size() - 1)(random);
    s.D = toDecimals(uniform(random, 0.5, 2.5), 2);
    s.a = toDecimals(uniform(random, 0.025, 0.08), 3);
    // Slenderness l0/D from a squat pier to a tall pile shaft.
    s.l0 = toDecimals(s.D * uniform(random, 2, 35), 1);

    // Axial force as a share of the plain concrete's capacity, and the
    // eccentricity as a share of the diameter, both over two orders of size.
    const double r = s.D / 2;
    const double concreteCapacity = 0.95 * kPi * r * r * concreteGrades()[s.concrete].Ra / 1.25;
    s.Nj = std::max(1.0, toDecimals(concreteCapacity * logUniform(random, 0.01, 1.5), 0));
    s.Mj = toDecimals(s.Nj * s.D * logUniform(random, 0.01, 6), 1);
    if (check) {
        const double rho = uniform(random, 0.004, 0.04);
        s.Ag = toDecimals(rho * kPi * s.D * s.D / 4 * 10000, 3);
    }
    return s;
}

SectionCase absurdSection(std::mt19937_64& random) {
    SectionCase s{};
    s.concrete = std::uniform_int_distribution<std::size_t>(0, concreteGrades().size() - 1)(random);
    s.steel = std::uniform_int_distribution<std::size_t>(0, steelGrades().size() - 1)(random);
    s.D = logUniform(random, 1e-5, 100);
    s.a = s.D * uniform(random, 0, 0.5);
    s.l0 = std::uniform_int_distribution<int>(0, 3)(random) == 0
               ? 0.0
               : s.D * logUniform(random, 0.1, 500);
    s.Nj = logUniform(random, 1e-3, 1e8);
    const bool noMoment = std::uniform_int_distribution<int>(0, 2)(random) == 0;
    s.Mj = noMoment ? 0.0 : s.Nj * s.D * logUniform(random, 1e-4, 1e3);
    const bool check = std::uniform_int_distribution<int>(0, 1)(random) == 1;
    if (check) s.Ag = kPi * s.D * s.D / 4 * 10000 * logUniform(random, 1e-4, 1);
    return s;
}

SectionCase nearAxialSection(std::mt19937_64& random, bool check, double highestLoad) {
    SectionCase s = randomSection(random, false);
    const double rho = uniform(random, 0.004, 0.04);
    const double r = s.D / 2;
    const double capacity = 0.95 * kPi * r * r *
                            (concreteGrades()[s.concrete].Ra + rho * steelGrades()[s.steel].Rg) /
                            1.25;
    s.Nj = std::max(1.0, toDecimals(capacity * uniform(random, 0.2, highestLoad), 0));
    const bool noMoment = std::uniform_int_distribution<int>(0, 2)(random) == 0;
    s.Mj = noMoment ? 0.0 : toDecimals(s.Nj * s.D * uniform(random, 0.0, 0.02), 1);
    if (check) s.Ag = toDecimals(rho * kPi * s.D * s.D / 4 * 10000, 3);
    return s;
}

}  // namespace pilaro
