// The bar sizes of the current code, how many bars of one size supply an
// area, and a check's bars as typed (24D28).
#pragma once

#include <array>
#include <string_view>

#include "jtg3362/records.h"
#include "table/bar_notation.h"

namespace pilaro::jtg3362 {

struct BarSize {
    std::string_view label;  // "D28", as the read-outs name its count
    int diameter;            // mm
};

inline constexpr std::array<BarSize, kBarSizeCount> kBarSizes = {{
    {"D12", 12},
    {"D14", 14},
    {"D16", 16},
    {"D18", 18},
    {"D20", 20},
    {"D22", 22},
    {"D25", 25},
    {"D28", 28},
    {"D32", 32},
    {"D36", 36},
    {"D40", 40},
}};

// The fewest bars the equations of a circular section allow.
inline constexpr double kFewestBars = 8;

// One bar's area, pi d^2 / 4, in cm^2.
[[nodiscard]] double barArea(int diameter);

// n = max(8, ceil(As / bar area)) for each size: n bars always cover As
// (cm^2).
[[nodiscard]] std::array<double, kBarSizeCount> barCounts(double As);

struct BarsReading {
    table::BarTextKind kind = table::BarTextKind::NotBars;
    double area = 0.0;   // cm^2, of bars of the sizes above
    long long bars = 0;  // how many
    // UnknownDiameter: the first diameter, as typed, that is not a size above.
    std::string_view unknownDiameter;
};

// A check's given steel in the bar notation (table/bar_notation.h), read
// against the sizes above.
[[nodiscard]] BarsReading readBars(std::string_view utf8Text);

}  // namespace pilaro::jtg3362
