#include "table/utf8.h"

namespace pilaro::table {

std::size_t utf8CharLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80         ? 1
                               : lead >> 5 == 0x6  ? 2
                               : lead >> 4 == 0xE  ? 3
                               : lead >> 3 == 0x1E ? 4
                                                   : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80) return 0;
    if (length == 1) return 1;
    const unsigned char second = byte(1);
    const bool overlongOrOutOfRange =
        lead == 0xC0 || lead == 0xC1 || (lead == 0xE0 && second < 0xA0) ||
        (lead == 0xED && second >= 0xA0) ||  // surrogates
        (lead == 0xF0 && second < 0x90) || lead > 0xF4 || (lead == 0xF4 && second >= 0x90);
    return overlongOrOutOfRange ? 0 : length;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8CharLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace pilaro::table
