#include "text/shown_width.h"

#include <algorithm>

#include "text/utf8.h"

namespace pilaro::text {

double shownWidth(std::string_view text) {
    double width = 0;
    for (std::size_t i = 0; i < text.size();) {
        // Most of a table's cells are ASCII: a character of one byte each.
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            width += 1;
            ++i;
            continue;
        }
        const std::size_t length = std::max<std::size_t>(utf8CharLength(text, i), 1);
        // From U+1100 on, characters are three or four bytes long; the wide
        // ones of a Chinese table (CJK, full-width forms, Ⅱ) all are.
        const bool wide = length >= 3 && static_cast<unsigned char>(text[i]) >= 0xE1;
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace pilaro::text
