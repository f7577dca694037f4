// Reading a decimal number into a double whatever the C locale: the one
// place that does it for the engine, the tables and the diagrams.
#pragma once

#include <system_error>

namespace pilaro {

struct DecimalChars {
    const char* end;  // past the last character read; `first` when nothing was
    std::errc ec;     // as std::from_chars: invalid_argument, result_out_of_range
};

// std::from_chars for a double in its general format: an optional minus,
// digits with an optional period, an optional exponent; "inf" and "nan" as
// from_chars takes them. Correctly rounded. On an error `value` is left as
// it was. (The browser edition's C++ library has no from_chars for
// doubles; there the same prefix goes through its C library's strtod,
// which the C locale leaves with the period.)
[[nodiscard]] DecimalChars decimalFromChars(const char* first, const char* last, double& value);

// The value of exactly [first, last) when it is a short plain decimal: an
// optional minus, then at most fifteen digits in all with an optional
// period, and no exponent. Both the digits as a whole number and the power
// of ten are exact doubles then, so one division rounds correctly: the
// value from_chars gives. False for anything else, which leaves `value`.
// The browser edition reads most cells this way, without its C library's
// long arithmetic.
[[nodiscard]] bool shortDecimalValue(const char* first, const char* last, double& value);

}  // namespace pilaro
