// Numbers as the read-out fields and the report show them, and the
// rounding down that every reported value passes through.
#pragma once

#include <string>

namespace pilaro {

// floor(value * 10^decimals) / 10^decimals, toward minus infinity;
// decimals 0..5.
[[nodiscard]] double floorToDecimals(double value, int decimals);

// One sign character (blank or '-'), at most 15 significant digits, no zero
// before the point below 1 (" .5656", "-.12345", " 0", " 28"). Magnitudes
// of 1E+15 and above or below 1E-05 are written as " 1E+15", " 1.5E-07".
// A value that is not finite gives the empty text.
[[nodiscard]] std::string numberToText(double value);

}  // namespace pilaro
