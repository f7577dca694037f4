// Fifteen significant digits of a double, correctly rounded, in the layout
// of printf's "%.14e", computed exactly in integers. The browser edition's
// C library formats numbers through long arithmetic on every call, and the
// native library's general formatting takes several times as long as this
// too; it covers the magnitudes the sheets show.
#pragma once

#include <cstddef>

namespace pilaro {

// The text "%.14e" gives for `value` (for example "1.23456000000000e+02"),
// written to `out` without a terminating zero, with its length returned.
// Exact for finite positive normal values from about 1E-08 to below 1E+15,
// rounding a tie to the even digit as the C library does; any other value
// writes nothing and returns 0, and the caller formats it another way.
[[nodiscard]] std::size_t scientificDigits14(double value, char (&out)[24]);

}  // namespace pilaro
