#include "engine/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/scientific_digits.h"
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

// `value` correctly rounded to `decimals` digits after the point, laid
// out as printf's "%.*f" lays it out, with a period whatever the locale.
std::string fixedDigits(double value, int decimals) {
    // The largest double has 309 digits before the point.
    std::array<char, 420> buffer{};
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                              std::chars_format::fixed, decimals)
                    .ptr;
    return std::string(buffer.data(), end);
#else
    // The browser edition's C++ library (emscripten's libc++) has no
    // to_chars for doubles. Its C library's printf (musl's) rounds
    // correctly and writes a period whatever the locale: the same text.
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
#endif
}

// `value` (positive) to fifteen significant digits as "%.14e" lays it
// out, written to `out`; its length. Without a string of its own: a sheet
// writes a dozen of these a row. The digits are worked out in integers
// where they can be, the same text several times faster than the
// library's general formatting; the library writes the rest.
std::size_t scientific14(double value, std::array<char, 32>& out) {
    char fast[24];
    if (const std::size_t length = scientificDigits14(value, fast); length != 0) {
        std::copy_n(fast, length, out.data());
        return length;
    }
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
    return static_cast<std::size_t>(
        std::to_chars(out.data(), out.data() + out.size(), value, std::chars_format::scientific, 14)
            .ptr -
        out.data());
#else
    // printf rounds correctly here too (see fixedDigits).
    const int length = std::snprintf(out.data(), out.size(), "%.14e", value);
    return static_cast<std::size_t>(std::max(length, 0));
#endif
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
    // "d.dddddddddddddde+XX" (two or three exponent digits). The text is
    // put together in place: a sheet writes a dozen of these a row.
    std::array<char, 32> scientific{};
    const std::size_t scientificLength = scientific14(std::fabs(value), scientific);
    std::array<char, 15> digits{};
    digits[0] = scientific[0];
    std::copy_n(scientific.begin() + 2, 14, digits.begin() + 1);
    std::size_t count = digits.size();
    while (count > 1 && digits[count - 1] == '0') --count;
    int exponent = 0;
    for (std::size_t i = 18; i < scientificLength; ++i)
        exponent = exponent * 10 + (scientific[i] - '0');
    if (scientific[17] == '-') exponent = -exponent;

    std::array<char, 32> text{};
    std::size_t length = 0;
    const auto put = [&](const char* from, std::size_t n) {
        std::copy_n(from, n, text.begin() + static_cast<std::ptrdiff_t>(length));
        length += n;
    };
    const auto putChars = [&](char c, std::size_t n) {
        std::fill_n(text.begin() + static_cast<std::ptrdiff_t>(length), n, c);
        length += n;
    };
    putChars(value < 0 ? '-' : ' ', 1);
    if (exponent >= 15 || exponent < -5) {
        put(digits.data(), 1);
        if (count > 1) {
            putChars('.', 1);
            put(digits.data() + 1, count - 1);
        }
        putChars('E', 1);
        putChars(exponent < 0 ? '-' : '+', 1);
        const std::string shown = paddedDigits(std::abs(exponent), 2);
        put(shown.data(), shown.size());
    } else if (exponent < 0) {
        putChars('.', 1);
        putChars('0', static_cast<std::size_t>(-exponent - 1));
        put(digits.data(), count);
    } else {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (count <= whole) {
            put(digits.data(), count);
            putChars('0', whole - count);
        } else {
            put(digits.data(), whole);
            putChars('.', 1);
            put(digits.data() + whole, count - whole);
        }
    }
    return std::string(text.data(), length);
}

std::string fixedDecimalsText(double value, int decimals) {
    clearUpperVectorHalves();
    return fixedDigits(value, std::clamp(decimals, 0, 100));
}

}  // namespace pilaro
