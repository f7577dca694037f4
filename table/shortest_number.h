// A double as the shortest text that reads back as the same double, laid
// out as std::to_chars lays it out: fixed where that is no longer than the
// exponent form ("0.05", "5000", "0.0012"), else the exponent form
// ("1e+21", "1.234567e+16"); a period whatever the locale.
#pragma once

#include <string>

namespace pilaro::table {

[[nodiscard]] std::string shortestText(double value);

// The same text made with the C library's printf, which the browser
// edition uses, its C++ library having no to_chars for doubles; the C
// locale's period assumed.
[[nodiscard]] std::string shortestTextFromPrintf(double value);

}  // namespace pilaro::table
