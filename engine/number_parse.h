// The text of an input field as a number.
#pragma once

#include <cstddef>
#include <string_view>

namespace pilaro {

// What the reading rule made of a text.
struct NumberReading {
    double value = 0.0;
    // Bytes of the text that the number was read from, from the start of
    // the text to the number's last character (blanks on the way included);
    // 0 when the text holds no leading number.
    std::size_t consumed = 0;
    // The exponent's marker as typed ('E', 'e', 'D' or 'd'); '\0' when the
    // number has no exponent.
    char exponentMarker = '\0';
};

// Blanks, tabs and line feeds are dropped wherever they stand; then the
// longest leading number is read: an optional sign, digits with at most
// one period, and an optional exponent (E or D, either case, optional sign,
// digits). "&H" and "&O" (either case) read hexadecimal and octal digits as
// a non-negative whole number. No leading number gives 0. A number too
// large for a double reads as +/-infinity, which the run rejects; see the
// source for the hexadecimal and octal range.
[[nodiscard]] NumberReading readLeadingNumber(std::string_view utf8Text);

// The value of the leading number; whatever follows it is ignored.
[[nodiscard]] inline double parseNumber(std::string_view utf8Text) {
    return readLeadingNumber(utf8Text).value;
}

}  // namespace pilaro
