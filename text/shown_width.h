// How wide a text shows in a table's cell, in widths of a digit: a
// workbook's column is made wide enough for its longest cell by it.
#pragma once

#include <string_view>

namespace pilaro::text {

// Chinese characters and full-width signs are two digits wide, every other
// character one; a byte that starts no UTF-8 character counts as one.
[[nodiscard]] double shownWidth(std::string_view text);

}  // namespace pilaro::text
