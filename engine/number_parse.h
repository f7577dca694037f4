// The text of an input field as a number.
#pragma once

#include <string_view>

namespace pilaro {

// Blanks, tabs and line feeds are dropped wherever they stand; then the
// longest leading number is read and the rest ignored: an optional sign,
// digits with at most one period, and an optional exponent (E or D, either
// case, optional sign, digits). "&H" and "&O" (either case) read hexadecimal
// and octal digits as a non-negative whole number. No leading number gives 0.
// A number too large for a double reads as +/-infinity, which the run
// rejects; see the source for the hexadecimal and octal range.
[[nodiscard]] double parseNumber(std::string_view utf8Text);

}  // namespace pilaro
