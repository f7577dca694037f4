#include "jtg3362/stability.h"

#include <array>

namespace pilaro::jtg3362 {
namespace {

struct Row {
    double l0OverD;
    double phi;
};

constexpr std::array<Row, 22> kRows = {{
    {7, 1.0},   {8.5, 0.98},  {10.5, 0.95}, {12, 0.92},   {14, 0.87},   {15.5, 0.81},
    {17, 0.75}, {19, 0.70},   {21, 0.65},   {22.5, 0.60}, {24, 0.56},   {26, 0.52},
    {28, 0.48}, {29.5, 0.44}, {31, 0.40},   {33, 0.36},   {34.5, 0.32}, {36.5, 0.29},
    {38, 0.26}, {40, 0.23},   {41.5, 0.21}, {43, 0.19},
}};

static_assert(kRows.back().l0OverD == kLargestSlenderness);

}  // namespace

std::optional<double> stabilityFactor(double l0OverD) {
    // 30.1 / 0.7 is 43 but reads 43.00000000000001 in doubles.
    constexpr double kNoise = 1e-12;
    if (l0OverD > kLargestSlenderness && l0OverD <= kLargestSlenderness * (1 + kNoise))
        return kRows.back().phi;
    if (!(l0OverD <= kLargestSlenderness)) return std::nullopt;
    if (l0OverD <= kRows.front().l0OverD) return kRows.front().phi;
    for (std::size_t i = 1; i < kRows.size(); ++i) {
        const Row& below = kRows[i - 1];
        const Row& above = kRows[i];
        // A tabulated slenderness gets its row's factor exactly.
        if (l0OverD == above.l0OverD) return above.phi;
        if (l0OverD < above.l0OverD)
            return below.phi + (above.phi - below.phi) * (l0OverD - below.l0OverD) /
                                   (above.l0OverD - below.l0OverD);
    }
    return kRows.back().phi;
}

}  // namespace pilaro::jtg3362
