#include "engine/number_parse.h"

#include "engine/decimal_chars.h"

#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace pilaro {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

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

// Steps through the text's characters, passing over the blanks the rule
// drops wherever they stand.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    // The current character; '\0' at the end.
    [[nodiscard]] char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    // Moves past the current character; returns where it ended.
    std::size_t take() {
        const std::size_t end = ++pos_;
        skipBlanks();
        return end;
    }

  private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// "&H" and "&O" forms: the digits are read as a non-negative whole number,
// never as a bit pattern (so "&HFFFF" is 65535, not -1: a field holds a
// quantity). Numbers up to 2^53 - 1 are exact; anything larger cannot be
// held exactly and reads as +infinity, which the run rejects as out of range.
// No sign may precede the ampersand; "&H" with no digits is 0 and no number.
NumberReading readRadixInteger(Cursor cursor, int base) {
    constexpr std::uint64_t kLargestExact = (std::uint64_t{1} << 53) - 1;
    NumberReading reading;
    std::uint64_t value = 0;
    bool tooLarge = false;
    for (int d = digitValue(cursor.peek(), base); d >= 0; d = digitValue(cursor.peek(), base)) {
        const auto digit = static_cast<std::uint64_t>(d);
        const auto radix = static_cast<std::uint64_t>(base);
        tooLarge = tooLarge || value > (kLargestExact - digit) / radix;
        if (!tooLarge) value = value * radix + digit;
        reading.consumed = cursor.take();
    }
    reading.value = tooLarge ? std::numeric_limits<double>::infinity() : static_cast<double>(value);
    return reading;
}

// A decimal number with its exponent, compacted: "-12.5e3".
struct DecimalText {
    std::string text;
    // The power of ten just above the digits' magnitude (12.5 -> 2,
    // 0.05 -> -1), plus the exponent, saturated: where the value lies when
    // it is too large or too small for a double.
    long long order = 0;
};

// The value of a decimal text, correctly rounded, whatever the locale. Out
// of the range of a double it is +/-infinity above and +/-0 below.
double decimalValue(const DecimalText& number) {
    double value = 0.0;
    const char* first = number.text.data();
    const DecimalChars result = decimalFromChars(first, first + number.text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = number.text.front() == '-';
        if (number.order > 0)
            return negative ? -std::numeric_limits<double>::infinity()
                            : std::numeric_limits<double>::infinity();
        return negative ? -0.0 : 0.0;
    }
    return value;
}

// The longest leading [sign] digits [. digits] [(E|D) [sign] digits].
NumberReading readDecimal(Cursor cursor) {
    constexpr long long kSaturated = 1'000'000'000'000LL;
    NumberReading reading;
    DecimalText number;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        if (cursor.peek() == '-') number.text += '-';
        cursor.take();
    }
    bool anyDigit = false;
    bool seenPoint = false;
    bool seenNonZero = false;
    long long integerDigits = 0;
    long long leadingZeros = 0;
    for (char c = cursor.peek(); isDigit(c) || (c == '.' && !seenPoint); c = cursor.peek()) {
        if (c == '.') {
            seenPoint = true;
        } else {
            anyDigit = true;
            if (!seenPoint && integerDigits < kSaturated) ++integerDigits;
            seenNonZero = seenNonZero || c != '0';
            if (!seenNonZero && leadingZeros < kSaturated) ++leadingZeros;
        }
        number.text += c;
        const std::size_t end = cursor.take();
        if (anyDigit) reading.consumed = end;
    }
    if (!anyDigit) return {};
    number.order = integerDigits - leadingZeros;

    const char marker = cursor.peek();
    if (marker == 'E' || marker == 'e' || marker == 'D' || marker == 'd') {
        Cursor exponent = cursor;
        exponent.take();
        std::string digits = "e";
        bool negative = false;
        if (exponent.peek() == '+' || exponent.peek() == '-') {
            negative = exponent.peek() == '-';
            digits += exponent.peek();
            exponent.take();
        }
        long long power = 0;
        std::size_t end = 0;
        for (char c = exponent.peek(); isDigit(c); c = exponent.peek()) {
            digits += c;
            power = power < kSaturated ? power * 10 + (c - '0') : kSaturated;
            end = exponent.take();
        }
        if (end > 0) {
            number.text += digits;
            number.order += negative ? -power : power;
            reading.consumed = end;
            reading.exponentMarker = marker;
        }
    }
    reading.value = decimalValue(number);
    return reading;
}

}  // namespace

NumberReading readLeadingNumber(std::string_view utf8Text) {
    Cursor cursor(utf8Text);
    if (cursor.peek() == '&') {
        Cursor radix = cursor;
        radix.take();
        const char form = radix.peek();
        if (form == 'H' || form == 'h' || form == 'O' || form == 'o') {
            radix.take();
            return readRadixInteger(radix, form == 'H' || form == 'h' ? 16 : 8);
        }
        return {};
    }
    return readDecimal(cursor);
}

}  // namespace pilaro
