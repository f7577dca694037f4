// Figures as the sheet shows them: a fixed number of decimals, a leading
// zero ("0.0183"), a period whatever the locale, and a direction of
// rounding that keeps each figure on the safe side.
#pragma once

#include <string>

namespace pilaro::jtg3362 {

enum class Rounding {
    Nearest,
    Down,  // never shows more than the value: capacities
    Up,    // never shows less: required areas and ratios, loads
    // Never less by even the last bit: the utilisation, which must read
    // above 1.000 whenever the verdict fails.
    UpStrict,
};

// `value` with `decimals` digits after the point (0..15), every one
// written. Down and Up take the decimal below or above the value, but a
// decimal within the arithmetic's noise of the value (a relative 1e-12) is
// the value's own text: 2.7 / 0.3 shows as "9.00", not "9.01". Negative
// zero shows as "0.00". A value that is not finite gives the empty text.
[[nodiscard]] std::string decimalText(double value, int decimals, Rounding rounding);

// The double that decimalText reads as; the value itself when not finite.
[[nodiscard]] double decimalValue(double value, int decimals, Rounding rounding);

}  // namespace pilaro::jtg3362
