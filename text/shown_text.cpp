#include "text/shown_text.h"

#include "engine/number_text.h"

namespace pilaro::text {

void dropLeadingBlank(std::string& text) {
    if (text.starts_with(' ')) text.erase(0, 1);
}

std::string withoutLeadingBlank(std::string text) {
    dropLeadingBlank(text);
    return text;
}

std::string plainNumber(double value) {
    return withoutLeadingBlank(numberToText(value));
}

}  // namespace pilaro::text
