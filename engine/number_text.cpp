#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "engine/vector_state.h"

namespace pilaro {

namespace {

// A whole number of at least `width` digits, zeros in front.
std::string paddedDigits(int value, std::size_t width) {
    std::array<char, 16> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    std::string digits(buffer.data(), end);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

double floorToDecimals(double value, int decimals) {
    clearUpperVectorHalves();
    static constexpr std::array<double, 6> kPowers = {1, 10, 100, 1000, 10000, 100000};
    const double scale = kPowers.at(static_cast<std::size_t>(decimals));
    return std::floor(value * scale) / scale;
}

std::string numberToText(double value) {
    clearUpperVectorHalves();
    if (!std::isfinite(value)) return {};
    if (value == 0) return " 0";

    // Fifteen significant digits, correctly rounded, always laid out as
    // "d.dddddddddddddde+XX" (two or three exponent digits).
    std::array<char, 32> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                              std::chars_format::scientific, 14)
                    .ptr;
    std::string digits(1, buffer[0]);
    digits.append(buffer.data() + 2, 14);
    int exponent = 0;
    for (const char* digit = buffer.data() + 18; digit < end; ++digit)
        exponent = exponent * 10 + (*digit - '0');
    if (buffer[17] == '-') exponent = -exponent;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text(1, value < 0 ? '-' : ' ');
    if (exponent >= 15 || exponent < -5) {
        text += digits[0];
        if (digits.size() > 1) text += '.' + digits.substr(1);
        return text + 'E' + (exponent < 0 ? '-' : '+') + paddedDigits(std::abs(exponent), 2);
    }
    if (exponent < 0)
        return text + '.' + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;

    const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) return text + digits + std::string(whole - digits.size(), '0');
    return text + digits.substr(0, whole) + '.' + digits.substr(whole);
}

std::string fixedDecimalsText(double value, int decimals) {
    clearUpperVectorHalves();
    // The largest double has 309 digits before the point.
    std::array<char, 420> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::fixed, std::clamp(decimals, 0, 100))
                    .ptr;
    return std::string(buffer.data(), end);
}

}  // namespace pilaro
