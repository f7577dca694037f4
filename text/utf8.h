// Checking UTF-8 text from a file before it goes where only UTF-8 may.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pilaro::text {

// The length of the well-formed UTF-8 character at text[at], or 0 when
// the bytes there are not one (overlong forms and surrogates included).
std::size_t utf8CharLength(std::string_view text, std::size_t at);

bool isUtf8(std::string_view text);

// Whether a text fed in pieces is UTF-8 as a whole: a character may be cut
// between two pieces. A table file is read as UTF-8 exactly when it is
// (table/input_text.h); any other is GB18030.
class Utf8Scan {
  public:
    void feed(std::string_view piece);
    // After the last piece.
    bool wholeTextIsUtf8() const { return utf8_ && carry_.empty(); }
    // The line (from 1) of the first bytes that are no UTF-8, or of the
    // character the text ends in the middle of.
    long firstBadLine() const { return line_; }

  private:
    bool utf8_ = true;
    std::string carry_;  // the start of a character cut at a piece's end
    long line_ = 1;      // where the scan stands
};

}  // namespace pilaro::text
