// The design strengths and elastic moduli (kPa) of the grades the tests
// use, written out once, independently of the engine's tables.
#pragma once

namespace pilaro::test {

struct Grade {
    double strength;
    double modulus;
};

// Concrete, by the number of its grade.
inline constexpr Grade k15 = {8500, 23000000};
inline constexpr Grade k25 = {14500, 28500000};
inline constexpr Grade k30 = {17500, 30000000};
inline constexpr Grade k40 = {23000, 33000000};
inline constexpr Grade k50 = {28500, 35000000};
inline constexpr Grade k60 = {32500, 36500000};

// Steel: Ⅰ级 to Ⅳ级 and 5号.
inline constexpr Grade kI = {240000, 210000000};
inline constexpr Grade kII = {340000, 200000000};
inline constexpr Grade kIII = {380000, 200000000};
inline constexpr Grade kIV = {550000, 200000000};
inline constexpr Grade k5 = {280000, 200000000};

}  // namespace pilaro::test
