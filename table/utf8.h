// Checking UTF-8 text from a file before it goes where only UTF-8 may.
#pragma once

#include <cstddef>
#include <string_view>

namespace pilaro::table {

// The length of the well-formed UTF-8 character at text[at], or 0 when
// the bytes there are not one (overlong forms and surrogates included).
std::size_t utf8CharLength(std::string_view text, std::size_t at);

bool isUtf8(std::string_view text);

}  // namespace pilaro::table
