#include "tests/jtg3362/reference.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace pilaro::jtg3362::test {
namespace {

using Real = long double;
constexpr Real kPi = 3.141592653589793238462643383279502884L;

// fcd, MPa, from the code's table.
const std::map<std::string, Real> kFcd = {
    {"C25", 11.5}, {"C30", 13.8}, {"C35", 16.1}, {"C40", 18.4}, {"C45", 20.5}, {"C50", 22.4},
    {"C55", 24.4}, {"C60", 26.5}, {"C65", 28.5}, {"C70", 30.5}, {"C75", 32.4}, {"C80", 34.6}};

struct SteelRow {
    Real fsd, fsdc;
};
const std::map<std::string, SteelRow> kSteel = {{"HPB300", {250, 250}},
                                                {"HRB400", {330, 330}},
                                                {"HRBF400", {330, 330}},
                                                {"RRB400", {330, 330}},
                                                {"HRB500", {415, 400}}};

Real phiOf(Real x) {
    const Real rows[][2] = {{7, 1.0},    {8.5, .98},  {10.5, .95}, {12, .92},   {14, .87},
                            {15.5, .81}, {17, .75},   {19, .70},   {21, .65},   {22.5, .60},
                            {24, .56},   {26, .52},   {28, .48},   {29.5, .44}, {31, .40},
                            {33, .36},   {34.5, .32}, {36.5, .29}, {38, .26},   {40, .23},
                            {41.5, .21}, {43, .19}};
    if (x <= 7) return 1;
    for (int i = 1; i < 22; ++i)
        if (x <= rows[i][0])
            return rows[i - 1][1] + (rows[i][1] - rows[i - 1][1]) / (rows[i][0] - rows[i - 1][0]) *
                                        (x - rows[i - 1][0]);
    return NAN;
}

struct Setup {
    Real fcd, fs, fsdc;  // kPa
    Real r, rs, A;       // m
    Real e, phi, load;
};

Setup setupOf(const Case& c) {
    Setup s{};
    s.fcd = kFcd.at(c.concrete) * 1000;
    const SteelRow steel = kSteel.at(c.steel);
    s.fs = std::min(steel.fsd, steel.fsdc) * 1000;
    s.fsdc = steel.fsdc * 1000;
    s.r = Real(c.D) / 2;
    s.rs = s.r - c.a;
    s.A = kPi * s.r * s.r;
    const Real D = c.D, l0 = c.l0, h0 = s.r + s.rs;
    const Real e0 = std::max(std::fabs(Real(c.Md)) / c.Nd, std::max(Real(0.02), D / 30));
    Real eta = 1;
    if (4 * l0 / D > 17.5L) {
        const Real z1 = std::min(Real(1), Real(0.2) + Real(2.7) * e0 / h0);
        const Real z2 = std::min(Real(1), Real(1.15) - Real(0.01) * l0 / D);
        eta = 1 + (l0 / D) * (l0 / D) * z1 * z2 * h0 / (1300 * e0);
    }
    s.e = eta * e0;
    s.phi = phiOf(l0 / D);
    s.load = Real(c.gamma0) * c.Nd;
    return s;
}

struct NM {
    Real N, M;
};

NM forces(const Setup& s, Real As, Real al) {
    const Real at = al < 0.625L ? 1.25L - 2 * al : 0;
    const Real concrete = s.fcd * s.A;
    return {al * concrete * (1 - std::sin(2 * kPi * al) / (2 * kPi * al)) + (al - at) * s.fs * As,
            concrete * s.r * 2 * std::pow(std::sin(kPi * al), 3) / (3 * kPi) +
                s.fs * As * s.rs * (std::sin(kPi * al) + std::sin(kPi * at)) / kPi};
}

Reference check(const Setup& s, Real areaCm2, int points) {
    const Real As = areaCm2 / 10000;
    const auto f = [&](Real al) {
        const NM v = forces(s, As, al);
        return v.N * s.e - v.M;
    };
    Reference ref{};
    ref.e = s.e;
    ref.phi = s.phi;
    std::optional<Real> first;
    Real prevAlpha = Real(1) / points;
    Real prev = f(prevAlpha);
    for (int i = 2; i <= points; ++i) {
        const Real al = Real(i) / points;
        const Real now = f(al);
        if ((prev < 0) != (now < 0)) {
            Real lo = prevAlpha, hi = al;
            for (int k = 0; k < 100; ++k) {
                const Real mid = (lo + hi) / 2;
                ((f(mid) < 0) == (prev < 0) ? lo : hi) = mid;
            }
            if (forces(s, As, lo).N > 0) {
                ++ref.rootsWithPositiveN;
                if (!first) first = lo;
            } else {
                ++ref.rootsWithoutPositiveN;
            }
        }
        prev = now;
        prevAlpha = al;
    }
    // No root with N > 0 (no steel, e >= r): the capacity tends to 0.
    ref.alpha = first.value_or(0);
    const NM at = first ? forces(s, As, *first) : NM{0, 0};
    ref.Nud = at.N;
    ref.Mud = at.M;
    const Real concreteArea = As / s.A > 0.03L ? s.A - As : s.A;
    ref.Nmax = Real(0.9) * s.phi * (s.fcd * concreteArea + s.fsdc * As);
    ref.passes = s.load <= ref.Nud && s.load <= ref.Nmax;
    return ref;
}

}  // namespace

Reference referenceCheck(const Case& c, double area, int scanPoints) {
    return check(setupOf(c), area, scanPoints);
}

long double referenceLeastRatioArea(const Case& c) {
    const Setup s = setupOf(c);
    const Real rhoMin = kFcd.at(c.concrete) < 22 ? 0.005L : 0.006L;
    return rhoMin * s.A * 10000;
}

std::optional<long double> referenceLeastArea(const Case& c) {
    const Setup s = setupOf(c);
    const Real most = Real(0.05) * s.A * 10000;
    const auto passes = [&](Real area) { return check(s, area, 256).passes; };
    // Nmax falls where the ratio passes 3 %: brackets on both sides of it.
    std::vector<Real> grid;
    for (int i = 0; i <= 20; ++i) grid.push_back(most * i / 20);
    grid.push_back(most * 0.6L);
    grid.push_back(most * 0.6L * (1 + 1e-12L));
    std::sort(grid.begin(), grid.end());
    for (std::size_t i = 0; i < grid.size(); ++i) {
        if (!passes(grid[i])) continue;
        if (i == 0) return grid[0];
        Real lo = grid[i - 1], hi = grid[i];
        while (hi - lo > 1e-6L) {
            const Real mid = (lo + hi) / 2;
            (passes(mid) ? hi : lo) = mid;
        }
        return hi;
    }
    return std::nullopt;
}

}  // namespace pilaro::jtg3362::test
