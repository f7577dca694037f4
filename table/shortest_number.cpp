#include "table/shortest_number.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/decimal_chars.h"

namespace pilaro::table {

std::string shortestText(double value) {
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
#else
    return shortestTextFromPrintf(value);
#endif
}

std::string shortestTextFromPrintf(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const std::string sign = std::signbit(value) ? "-" : "";
    const double magnitude = std::fabs(value);
    if (magnitude == 0) return sign + "0";
    // The fewest significant digits that read back as the value.
    char scientific[40];
    for (int precision = 0; precision < 17; ++precision) {
        std::snprintf(scientific, sizeof scientific, "%.*e", precision, magnitude);
        double read = 0;
        const char* end = scientific + std::char_traits<char>::length(scientific);
        if (decimalFromChars(scientific, end, read).ec == std::errc() && read == magnitude) break;
    }
    const std::string text(scientific);
    const std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : "");
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(text.c_str() + e + 1);

    std::string exponentForm = digits.substr(0, 1);
    if (digits.size() > 1) exponentForm += "." + digits.substr(1);
    const int shown = std::abs(exponent);
    exponentForm +=
        std::string(exponent < 0 ? "e-" : "e+") + (shown < 10 ? "0" : "") + std::to_string(shown);

    std::string fixed;
    if (exponent >= 0) {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            // A whole number is written with all its digits, exactly.
            char exact[320];
            std::snprintf(exact, sizeof exact, "%.0f", magnitude);
            fixed = exact;
        } else {
            fixed = digits.substr(0, whole) + "." + digits.substr(whole);
        }
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return sign + (fixed.size() <= exponentForm.size() ? fixed : exponentForm);
}

}  // namespace pilaro::table
