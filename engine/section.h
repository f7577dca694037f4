// The four coefficients of the circular section at a trial depth of the
// neutral axis: concrete (A, B) and the thin steel ring (C, D).
#pragma once

namespace pilaro {

inline constexpr double kPi = 3.1415926;  // the section formulas' pi, not the full value

// The deepest xi the stress-block rule covers; beyond it the factor is held.
inline constexpr double kStressBlockLimit = 1.5;

struct SectionCoefficients {
    double coefA = 0.0;
    double coefB = 0.0;
    double coefC = 0.0;
    double coefD = 0.0;
    bool zeroDivisor = false;  // t0, t1, t2 or den was exactly 0
    // The concrete's stress block reaches past the far edge and the whole
    // steel ring yields in compression (t0 and t1 below -1): the state of a
    // depth beyond the section, where A falls and B rises with xi while C
    // and D stay fixed.
    bool pastFullCompression = false;
    // No bar of the ring reaches its yield strain (t1 and t2 above 1): the
    // yield angles are 0, and C is exactly -pi and D exactly 0.
    bool noBarYields = false;
};

// The arccosine of t as the section formulas take it: atan(sqrt|1-t^2| / t),
// plus pi for negative t. t = 0 divides by zero.
[[nodiscard]] double angleOf(double t);

// Stress-block factor above kStressBlockLimit: the factor of the most recent
// evaluation at or below it within one solver run.
struct StressBlockMemory {
    double beta = 0.0;
};

[[nodiscard]] SectionCoefficients sectionCoefficients(double xi, double g, double Rg, double Eg,
                                                      StressBlockMemory& memory);

}  // namespace pilaro
