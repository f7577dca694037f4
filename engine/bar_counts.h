// How many bars of each standard diameter alone supply the required area.
#pragma once

#include <array>
#include <string_view>

#include "engine/calc_records.h"

namespace pilaro {

struct BarSize {
    std::string_view label;
    double area;  // one bar, cm^2, as tabulated (not computed from the diameter)
};

inline constexpr std::array<BarSize, kBarSizeCount> kBarSizes = {{
    {"D12", 1.131},
    {"D14", 1.539},
    {"D16", 2.011},
    {"D18", 2.545},
    {"D20", 3.142},
    {"D22", 3.801},
    {"D25", 4.909},
    {"D28", 6.158},
    {"D32", 8.042},
    {"D34", 9.079},
    {"D36", 10.179},
}};

// The bar table's diameters in mm, "12" … "36", as a message lists them.
[[nodiscard]] constexpr std::array<std::string_view, kBarSizeCount> barDiameters() {
    std::array<std::string_view, kBarSizeCount> diameters{};
    for (std::size_t i = 0; i < kBarSizeCount; ++i) diameters[i] = kBarSizes[i].label.substr(1);
    return diameters;
}

struct BarSelection {
    double Ag = 0.0;  // cm^2, three decimals
    std::array<double, kBarSizeCount> counts{};
};

// Counts for an area in cm^2: a shortfall of less than a tenth of one bar's
// area is accepted.
[[nodiscard]] BarSelection barsForArea(double areaCm2);

// Counts for the design's required area in m^2.
[[nodiscard]] BarSelection selectBars(double requiredArea);

}  // namespace pilaro
