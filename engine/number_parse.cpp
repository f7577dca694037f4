#include "engine/number_parse.h"

#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace pilaro {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int digitValue(char c, int base) {
    int v = 99;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// "&H" and "&O" forms: the digits are read as a non-negative whole number,
// never as a bit pattern (so "&HFFFF" is 65535, not -1: a field holds a
// quantity). Numbers up to 2^53 - 1 are exact; anything larger cannot be
// held exactly and reads as +infinity, which the run rejects as out of range.
// No sign may precede the ampersand; "&H" with no digits is 0.
double parseRadixInteger(const std::string& text, std::size_t pos, int base) {
    constexpr std::uint64_t kLargestExact = (std::uint64_t{1} << 53) - 1;
    std::uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int d = digitValue(text[pos], base);
        if (d < 0) break;
        if (value >
            (kLargestExact - static_cast<std::uint64_t>(d)) / static_cast<std::uint64_t>(base))
            return std::numeric_limits<double>::infinity();
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    }
    return static_cast<double>(value);
}

// The number in the current locale's own spelling: its decimal point for the
// period. strtod reads that to the same double as the C locale reads the
// original, since the text holds nothing but sign, digits, point and exponent.
double parseDecimalInCurrentLocale(const std::string& number) {
    const std::string_view point = std::localeconv()->decimal_point;
    std::string localised;
    for (char c : number) {
        if (c == '.' && !point.empty())
            localised += point;
        else
            localised += c;
    }
    return std::strtod(localised.c_str(), nullptr);
}

// The period is the decimal point whatever the user's locale. The C locale
// object can only be missing when the system could not make it (out of
// memory); the field is then read through the current locale instead.
double parseDecimal(const std::string& number) {
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    if (cLocale == locale_t{}) return parseDecimalInCurrentLocale(number);
    return strtod_l(number.c_str(), nullptr, cLocale);
}

}  // namespace

double parseNumber(std::string_view utf8Text) {
    std::string text;
    text.reserve(utf8Text.size());
    for (char c : utf8Text)
        if (c != ' ' && c != '\t' && c != '\n') text += c;

    if (text.size() >= 2 && text[0] == '&') {
        if (text[1] == 'H' || text[1] == 'h') return parseRadixInteger(text, 2, 16);
        if (text[1] == 'O' || text[1] == 'o') return parseRadixInteger(text, 2, 8);
        return 0.0;
    }

    // The longest leading [sign] digits [. digits] [(E|D) [sign] digits].
    std::string number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) number += text[pos++];
    bool anyDigit = false;
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            anyDigit = true;
            number += c;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            number += c;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;

    if (pos < text.size() &&
        (text[pos] == 'E' || text[pos] == 'e' || text[pos] == 'D' || text[pos] == 'd')) {
        std::size_t p = pos + 1;
        std::string exponent = "e";
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) exponent += text[p++];
        const std::size_t firstDigit = p;
        while (p < text.size() && isDigit(text[p])) exponent += text[p++];
        if (p > firstDigit) number += exponent;
    }
    return parseDecimal(number);
}

}  // namespace pilaro
