#include "tests/robustness/number_text_form.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/number_parse.h"

namespace pilaro::test {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitRun(std::string_view s, std::size_t pos) {
    std::size_t end = pos;
    while (end < s.size() && isDigit(s[end])) ++end;
    return end - pos;
}

// The mantissa's fault: digits with at most one point, no zero before the
// point, no trailing zero or point after it, at most 15 significant digits.
std::string mantissaFault(std::string_view m, bool exponentForm) {
    if (m.empty()) return "no digits";
    const std::size_t whole = digitRun(m, 0);
    std::size_t fraction = 0;
    if (whole < m.size()) {
        if (m[whole] != '.') return "unexpected character '" + std::string(1, m[whole]) + "'";
        fraction = digitRun(m, whole + 1);
        if (whole + 1 + fraction != m.size()) return "unexpected character after the digits";
        if (fraction == 0) return "a point with nothing after it";
        if (m.back() == '0') return "a trailing zero after the point";
    }
    if (whole == 0 && fraction == 0) return "no digits";
    if (whole > 1 && m[0] == '0') return "a leading zero";
    if (whole == 1 && m[0] == '0' && (fraction > 0 || exponentForm))
        return "a zero before the point";
    if (exponentForm && whole != 1) return "exponent form without one leading digit";

    std::size_t significant = 0;
    bool leading = true;
    for (char c : m) {
        if (!isDigit(c)) continue;
        if (leading && c == '0') continue;
        leading = false;
        ++significant;
    }
    if (significant > 15) return "more than 15 significant digits";
    return {};
}

double roundedTo15Digits(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

}  // namespace

std::string numberTextFault(double value, std::string_view text) {
    // Appended, not "\"" + text: gcc 12 at -O3 reports a false overlap
    // (-Wrestrict) for a literal prepended to a string.
    const std::string shown = std::string(1, '"').append(text).append("\": ");
    if (!std::isfinite(value))
        return text.empty() ? std::string() : shown + "text for " + "a value that is not finite";
    if (text.size() < 2) return shown + "too short";
    const char sign = value < 0 ? '-' : ' ';
    if (text[0] != sign) return shown + "wrong sign character";

    std::string_view body = text.substr(1);
    const std::size_t e = body.find('E');
    std::string fault;
    if (e == std::string_view::npos) {
        fault = mantissaFault(body, false);
    } else {
        const std::string_view exponent = body.substr(e + 1);
        if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-') ||
            digitRun(exponent, 1) != exponent.size() - 1)
            fault = "malformed exponent";
        else
            fault = mantissaFault(body.substr(0, e), true);
    }
    if (!fault.empty()) return shown + fault;

    const double readBack = parseNumber(text);
    if (readBack != roundedTo15Digits(value)) return shown + "does not read back as the value";
    return {};
}

int decimalsShown(std::string_view text) {
    if (text.find('E') != std::string_view::npos) return -1;
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return 0;
    return static_cast<int>(text.size() - point - 1);
}

}  // namespace pilaro::test
