#include "engine/decimal_chars.h"

#include <charconv>

#if !(defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L)
#include <cerrno>
#include <cstdlib>
#include <string>
#endif

namespace pilaro {

bool shortDecimalValue(const char* first, const char* last, double& value) {
    // 10^0 to 10^15, each exactly a double.
    static constexpr double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = first;
    const bool negative = p != last && *p == '-';
    if (negative) ++p;
    long long digits = 0;
    int count = 0;
    int decimals = -1;  // digits after the period; -1 without one
    for (; p != last; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++count > 15) return false;
            digits = digits * 10 + (*p - '0');
            if (decimals >= 0) ++decimals;
        } else if (*p == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return false;
        }
    }
    if (count == 0) return false;
    const double magnitude = static_cast<double>(digits) / kPowers[decimals < 0 ? 0 : decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L

DecimalChars decimalFromChars(const char* first, const char* last, double& value) {
    const std::from_chars_result result = std::from_chars(first, last, value);
    return {result.ptr, result.ec};
}

#else

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The length of `word` at p, ignoring case; 0 when it is not there.
std::size_t wordAt(const char* p, const char* last, const char* word) {
    std::size_t n = 0;
    for (; word[n] != '\0'; ++n)
        if (p + n == last || lower(p[n]) != word[n]) return 0;
    return n;
}

// The end of the longest prefix from_chars would read; `first` for none.
const char* decimalEnd(const char* first, const char* last) {
    const char* p = first;
    if (p != last && *p == '-') ++p;
    if (const std::size_t n = wordAt(p, last, "infinity")) return p + n;
    if (const std::size_t n = wordAt(p, last, "inf")) return p + n;
    if (const std::size_t n = wordAt(p, last, "nan")) return p + n;
    const char* digits = p;
    while (p != last && isDigit(*p)) ++p;
    bool any = p != digits;
    if (p != last && *p == '.') {
        const char* fraction = ++p;
        while (p != last && isDigit(*p)) ++p;
        any = any || p != fraction;
    }
    if (!any) return first;
    if (p != last && lower(*p) == 'e') {
        const char* q = p + 1;
        if (q != last && (*q == '+' || *q == '-')) ++q;
        const char* exponent = q;
        while (q != last && isDigit(*q)) ++q;
        if (q != exponent) p = q;
    }
    return p;
}

}  // namespace

DecimalChars decimalFromChars(const char* first, const char* last, double& value) {
    const char* end = decimalEnd(first, last);
    if (end == first) return {first, std::errc::invalid_argument};
    if (shortDecimalValue(first, end, value)) return {end, std::errc()};
    const std::string text(first, end);
    errno = 0;
    const double read = std::strtod(text.c_str(), nullptr);
    if (errno == ERANGE) return {end, std::errc::result_out_of_range};
    value = read;
    return {end, std::errc()};
}

#endif

}  // namespace pilaro
