// Numbers as the read-out fields, the report, the tables and the diagrams
// show them, and the rounding down that every reported value passes
// through. The texts are the same under every locale: a period for the
// decimal point, no grouping.
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

// The value correctly rounded to `decimals` (0..100) digits after the
// point, every one written: "0.500", "-12", "-0.0". Not finite: "inf",
// "-inf", "nan".
[[nodiscard]] std::string fixedDecimalsText(double value, int decimals);

}  // namespace pilaro
