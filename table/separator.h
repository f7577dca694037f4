// The separator of a table's cells: a comma, or the semicolon that Excel
// writes under many locales, or a tab. Found from the first line that
// shows one (the header, or a title row above it saved with its empty
// cells), or named by the user.
#pragma once

#include <optional>
#include <string_view>

namespace pilaro::table {

// Of ',' and ';', the one the header line holds more often outside quoted
// cells (a comma on a tie, and when it holds neither); a tab only when the
// line holds neither but a tab.
char separatorOf(std::string_view headerLine);

// Whether a line holds a comma, a semicolon or a tab: a title row above
// the header may hold none, and shows no separator.
bool showsSeparator(std::string_view line);

// The separator of a table's text (its start is enough): that of its first
// line that shows one, so that a title row above the header does not
// decide; a comma when no line does.
char separatorOfText(std::string_view text);

// ",", "comma", ";", "semicolon", "tab" (or a tab itself); nothing for any
// other text.
std::optional<char> separatorNamed(std::string_view name);

}  // namespace pilaro::table
