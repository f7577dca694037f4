// Inputs of every kind an engineer can give the run: typed or pasted text,
// numbers at the edges of a double, negative and zero sizes, grades never
// chosen; and realistic sections among them.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/calculation.h"

namespace pilaro::test {

// Texts typed or pasted into a number field: units, commas, blanks inside
// numbers, radix forms, overflowing and underflowing exponents, lone signs
// and points, and very long text.
const std::vector<std::string>& awkwardFieldTexts();

// Numbers at the edges: zeros of both signs, subnormals, the extremes of a
// double, infinities, NaN, and the edges of the formulas (lambda = 7,
// e0/D = 1, xi grid).
const std::vector<double>& awkwardNumbers();

// A seeded stream of inputs; the same seed gives the same inputs.
class InputStream {
  public:
    explicit InputStream(std::uint64_t seed) : random_(seed) {}
    CalcInput next();

  private:
    double uniform(double low, double high);
    bool chance(double p);
    MaybeValue field(double realistic);
    CalcInput realisticSection();

    std::mt19937_64 random_;
};

}  // namespace pilaro::test
