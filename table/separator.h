// The separator of a table's cells: a comma, or the semicolon that Excel
// writes under many locales, or a tab. Found from the header line, or
// named by the user.
#pragma once

#include <optional>
#include <string_view>

namespace pilaro::table {

// Of ',' and ';', the one the header line holds more often outside quoted
// cells (a comma on a tie, and when it holds neither); a tab only when the
// line holds neither but a tab.
char separatorOf(std::string_view headerLine);

// ",", "comma", ";", "semicolon", "tab" (or a tab itself); nothing for any
// other text.
std::optional<char> separatorNamed(std::string_view name);

}  // namespace pilaro::table
