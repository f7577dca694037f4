// The stability factor φ of a circular member under axial compression, by
// its slenderness l0 / D.
#pragma once

#include <optional>

namespace pilaro::jtg3362 {

// The most slender member the table covers.
inline constexpr double kLargestSlenderness = 43.0;

// 1.0 up to l0 / D = 7, then linear between the rows of the table; nothing
// beyond 43 (or for a slenderness that is not a number). A slenderness
// above 43 by no more than the arithmetic's noise is 43.
[[nodiscard]] std::optional<double> stabilityFactor(double l0OverD);

}  // namespace pilaro::jtg3362
