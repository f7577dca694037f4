// An independent evaluation of the code's equations for the tests, in long
// double: the grades written out again, e0 and η, a dense scan of α for
// the roots of N(α) e = M(α), and the least passing area by bisection.
#pragma once

#include <optional>
#include <string>

namespace pilaro::jtg3362::test {

// The same fields as an Input, by value (kN, kN m, m, cm^2).
struct Case {
    std::string concrete;
    std::string steel;
    double gamma0;
    double Nd, Md, D, a, l0;
    double As;  // a check's area
};

struct Reference {
    long double e;  // η e0
    long double phi;
    long double Nud, Mud, alpha;
    long double Nmax;
    bool passes;             // γ0 Nd <= Nud and <= Nmax, exactly
    int rootsWithPositiveN;  // sign changes of N e - M where N > 0
    int rootsWithoutPositiveN;
};

// The check of `area` cm^2 with α scanned at `scanPoints` points, each
// root refined by bisection.
[[nodiscard]] Reference referenceCheck(const Case& c, double area, int scanPoints = 2000);

// The least area (cm^2) from 0 to 5 % of A that passes, to 1e-6 cm^2;
// nothing when none does.
[[nodiscard]] std::optional<long double> referenceLeastArea(const Case& c);

// The least ratio of the concrete, times A, in cm^2.
[[nodiscard]] long double referenceLeastRatioArea(const Case& c);

}  // namespace pilaro::jtg3362::test
