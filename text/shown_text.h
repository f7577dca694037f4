// The window's texts as the tables and diagrams give them: without the
// blank the window puts before a number that is not negative (" 207.021").
#pragma once

#include <string>

namespace pilaro::text {

[[nodiscard]] std::string withoutLeadingBlank(std::string text);
// The same, where the text is kept.
void dropLeadingBlank(std::string& text);

// The window's text of a value (engine/number_text.h), without its blank.
[[nodiscard]] std::string plainNumber(double value);

}  // namespace pilaro::text
