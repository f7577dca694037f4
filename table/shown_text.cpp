#include "table/shown_text.h"

#include "engine/number_text.h"

namespace pilaro::table {

std::string withoutLeadingBlank(std::string text) {
    if (text.starts_with(' ')) text.erase(0, 1);
    return text;
}

std::string plainNumber(double value) {
    return withoutLeadingBlank(numberToText(value));
}

}  // namespace pilaro::table
