#include "engine/number_text.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace pilaro {

double floorToDecimals(double value, int decimals) {
    static constexpr std::array<double, 6> kPowers = {1, 10, 100, 1000, 10000, 100000};
    const double scale = kPowers.at(static_cast<std::size_t>(decimals));
    return std::floor(value * scale) / scale;
}

std::string numberToText(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return " 0";

    // Fifteen significant digits, correctly rounded by the C library.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    std::string digits;
    digits += buffer[0];
    for (int i = 2; i < 16; ++i) digits += buffer[i];
    const int exponent = std::atoi(buffer + 17);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text(1, value < 0 ? '-' : ' ');
    if (exponent >= 15 || exponent < -5) {
        text += digits[0];
        if (digits.size() > 1) text += '.' + digits.substr(1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return text + tail;
    }
    if (exponent < 0)
        return text + '.' + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;

    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
    return text + digits.substr(0, whole) + '.' + digits.substr(whole);
}

}  // namespace pilaro
