// What a read-out field may show for a number.
#pragma once

#include <string>
#include <string_view>

namespace pilaro::test {

// Empty when `text` is a well-formed read-out of `value`: one sign
// character (blank or '-'), digits with at most one point and no zero before
// it, or a mantissa with "E+nn"/"E-nn"; at most 15 significant digits; no
// trailing zeros after the point; and it reads back (by the parse rule) as
// `value` rounded to 15 significant digits. A value that is not finite
// must give the empty text. Otherwise, what is wrong.
std::string numberTextFault(double value, std::string_view text);

// Digits after the point in a read-out without exponent; -1 with exponent.
int decimalsShown(std::string_view text);

}  // namespace pilaro::test
