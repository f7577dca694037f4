#include "engine/scientific_digits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace pilaro {

namespace {

// GCC and clang both have it, on wasm32 too; __extension__ says so to -Wpedantic.
__extension__ typedef unsigned __int128 Wide;

constexpr int kMostDigitsAfter = 22;  // 10^22 times a 53-bit significand fits in 128 bits
constexpr std::uint64_t kLeast15 = 100'000'000'000'000ULL;   // 10^14
constexpr std::uint64_t kPast15 = 1'000'000'000'000'000ULL;  // 10^15

constexpr std::array<Wide, kMostDigitsAfter + 1> kPowersOfTen = [] {
    std::array<Wide, kMostDigitsAfter + 1> powers{};
    Wide power = 1;
    for (Wide& entry : powers) {
        entry = power;
        power *= 10;
    }
    return powers;
}();

struct Scaled {
    std::uint64_t whole;  // floor(value * 10^k)
    Wide rest;            // what the floor dropped, in units of 2^-shift
    Wide half;            // 2^(shift-1)
};

// value * 10^k = significand * 10^k / 2^shift, split exactly. False where
// the product or the shift does not fit.
bool scaled(std::uint64_t significand, int shift, int k, Scaled& out) {
    if (k < 0 || k > kMostDigitsAfter || shift < 1 || shift > 126) return false;
    const Wide product = static_cast<Wide>(significand) * kPowersOfTen[static_cast<std::size_t>(k)];
    const Wide whole = product >> shift;
    if (whole >= kPast15 * 10) return false;
    out.whole = static_cast<std::uint64_t>(whole);
    out.rest = product & ((static_cast<Wide>(1) << shift) - 1);
    out.half = static_cast<Wide>(1) << (shift - 1);
    return true;
}

}  // namespace

std::size_t scientificDigits14(double value, char (&out)[24]) {
    if (!(value > 0) || !std::isfinite(value)) return 0;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    if (biased == 0) return 0;  // subnormal
    const std::uint64_t significand =
        (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biased;  // value = significand / 2^shift

    // The decimal exponent: estimated from the binary one, corrected until
    // the scaled value has exactly fifteen digits before the point.
    // floor(log10(2^binary)), the decimal exponent or one below it.
    int exponent = ((biased - 1023) * 1233) >> 12;
    exponent = std::clamp(exponent, 14 - kMostDigitsAfter, 14);
    Scaled parts{};
    for (int attempt = 0;; ++attempt) {
        if (attempt == 3 || !scaled(significand, shift, 14 - exponent, parts)) return 0;
        if (parts.whole >= kPast15)
            ++exponent;
        else if (parts.whole < kLeast15)
            --exponent;
        else
            break;
    }

    // Round half to even, as the C library does in the default mode.
    std::uint64_t digits = parts.whole;
    if (parts.rest > parts.half || (parts.rest == parts.half && (digits & 1) != 0)) ++digits;
    if (digits == kPast15) {
        digits = kLeast15;
        ++exponent;
    }

    // The fifteen digits in two halves of 32-bit arithmetic.
    char* end = out + 16;
    auto lowDigits = static_cast<std::uint32_t>(digits % 100'000'000);
    auto highDigits = static_cast<std::uint32_t>(digits / 100'000'000);
    for (char* at = end - 1; at > end - 9; --at) {
        *at = static_cast<char>('0' + lowDigits % 10);
        lowDigits /= 10;
    }
    for (char* at = end - 9; at > out + 1; --at) {
        *at = static_cast<char>('0' + highDigits % 10);
        highDigits /= 10;
    }
    out[0] = static_cast<char>('0' + highDigits);
    out[1] = '.';
    *end++ = 'e';
    *end++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    *end++ = static_cast<char>('0' + magnitude / 10);
    *end++ = static_cast<char>('0' + magnitude % 10);
    return static_cast<std::size_t>(end - out);
}

}  // namespace pilaro
