#include "jtg3362/decimal_text.h"

#include <cmath>

#include "engine/decimal_chars.h"
#include "engine/number_text.h"

namespace pilaro::jtg3362 {
namespace {

// Far above the rounding of a few operations, far below any figure's
// meaning.
constexpr double kNoise = 1e-12;

double readBack(const std::string& text) {
    double value = 0.0;
    (void)decimalFromChars(text.data(), text.data() + text.size(), value);
    return value;
}

// One unit of the last decimal added to the magnitude of `text` (digits,
// at most one period, an optional leading minus).
void growMagnitude(std::string& text) {
    const std::size_t first = text[0] == '-' ? 1 : 0;
    for (std::size_t i = text.size(); i-- > first;) {
        if (text[i] == '.') continue;
        if (text[i] != '9') {
            ++text[i];
            return;
        }
        text[i] = '0';
    }
    text.insert(first, 1, '1');
}

// One unit of the last decimal taken from a magnitude of at least one unit.
void shrinkMagnitude(std::string& text) {
    const std::size_t first = text[0] == '-' ? 1 : 0;
    for (std::size_t i = text.size(); i-- > first;) {
        if (text[i] == '.') continue;
        if (text[i] != '0') {
            --text[i];
            break;
        }
        text[i] = '9';
    }
    // "10.00" became "09.99".
    if (text.size() > first + 1 && text[first] == '0' && text[first + 1] != '.')
        text.erase(first, 1);
}

bool allZero(const std::string& text) {
    return text.find_first_not_of("-0.") == std::string::npos;
}

}  // namespace

std::string decimalText(double value, int decimals, Rounding rounding) {
    if (!std::isfinite(value)) return {};
    std::string text = fixedDecimalsText(value, decimals);
    const double shown = readBack(text);
    const bool negative = text[0] == '-';
    const double noise = rounding == Rounding::UpStrict ? 0.0 : std::fabs(value) * kNoise;
    if (rounding == Rounding::Down && shown > value + noise) {
        if (negative) {
            growMagnitude(text);
        } else {
            shrinkMagnitude(text);
        }
    } else if ((rounding == Rounding::Up || rounding == Rounding::UpStrict) &&
               shown < value - noise) {
        if (negative) {
            shrinkMagnitude(text);
        } else {
            growMagnitude(text);
        }
    }
    if (text[0] == '-' && allZero(text)) text.erase(0, 1);
    return text;
}

double decimalValue(double value, int decimals, Rounding rounding) {
    if (!std::isfinite(value)) return value;
    return readBack(decimalText(value, decimals, rounding));
}

}  // namespace pilaro::jtg3362
