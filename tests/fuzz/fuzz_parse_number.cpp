// Any bytes typed or pasted into a number field: the leading-number rule
// never crashes, never gives NaN, ignores blanks and trailing text, tells
// truly how much text it read, and whatever it gives reads out well.
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/number_parse.h"
#include "engine/number_text.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/robustness/number_text_form.h"

namespace {

using pilaro::test::quoted;
using pilaro::test::require;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [sign] [point] digit: the only starts of a decimal number.
bool startsWithDecimal(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    if (i < s.size() && s[i] == '.') ++i;
    return i < s.size() && isDigit(s[i]);
}

bool sameNumber(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (a == 0 && b == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = pilaro::parseNumber(text);
    const std::string where = quoted(text);

    require(!std::isnan(value), "a field read as NaN", where);

    // The part read is a number of its own, ending on no blank; without it
    // the text holds no number.
    const pilaro::NumberReading reading = pilaro::readLeadingNumber(text);
    require(reading.consumed <= text.size(), "read beyond the text", where);
    require(sameNumber(pilaro::parseNumber(text.substr(0, reading.consumed)), value),
            "the part read gives another number", where);
    if (reading.consumed == 0) {
        require(value == 0, "a number read from no text", where);
    } else {
        const char last = text[reading.consumed - 1];
        require(last != ' ' && last != '\t' && last != '\n', "the part read ends on a blank",
                where);
    }

    std::string squeezed;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') squeezed += c;
    require(sameNumber(pilaro::parseNumber(squeezed), value), "blanks changed the number", where);
    // '#' can neither extend a number nor start one: trailing text is ignored.
    require(sameNumber(pilaro::parseNumber(squeezed + "#"), value),
            "text after the number changed it", where);

    if (!squeezed.empty() && squeezed[0] == '&') {
        require(value == INFINITY ||
                    (value >= 0 && std::floor(value) == value && value <= 9007199254740991.0),
                "a radix form is not a whole number within 2^53 or +infinity", where);
    } else if (!startsWithDecimal(squeezed)) {
        require(value == 0, "text with no leading number is not 0", where);
    } else if (squeezed[0] != '+' && squeezed[0] != '-') {
        require(sameNumber(pilaro::parseNumber("-" + squeezed), -value),
                "a minus sign does not negate", where);
    }

    const std::string shown = pilaro::numberToText(value);
    const std::string fault = pilaro::test::numberTextFault(value, shown);
    require(fault.empty(), "the number reads out badly", where + " -> " + fault);
    return 0;
}
