#include "text/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pilaro::text {

namespace {

// The length a lead byte announces; 0 for a byte that starts no character.
std::size_t announcedLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead < 0xC2) return 0;  // a continuation byte, or overlong
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF5) return 4;
    return 0;
}

// Whether the second byte of a character fits its lead: no overlong form,
// no surrogate, nothing past U+10FFFF.
bool secondFits(unsigned char lead, unsigned char second) {
    if (lead == 0xE0) return second >= 0xA0;
    if (lead == 0xED) return second < 0xA0;
    if (lead == 0xF0) return second >= 0x90;
    if (lead == 0xF4) return second < 0x90;
    return true;
}

// Whether the bytes at text[at] begin a well-formed character, or are one;
// `complete` says which.
bool startsCharacter(std::string_view text, std::size_t at, std::size_t& length, bool& complete) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    length = announcedLength(byte(0));
    if (length == 0) return false;
    const std::size_t present = std::min(length, text.size() - at);
    for (std::size_t k = 1; k < present; ++k)
        if ((byte(k) & 0xC0) != 0x80) return false;
    if (present > 1 && !secondFits(byte(0), byte(1))) return false;
    complete = present == length;
    return true;
}

}  // namespace

std::size_t utf8CharLength(std::string_view text, std::size_t at) {
    std::size_t length = 0;
    bool complete = false;
    return startsCharacter(text, at, length, complete) && complete ? length : 0;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8CharLength(text, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

void Utf8Scan::feed(std::string_view piece) {
    if (!utf8_) return;
    std::string joined;
    if (!carry_.empty()) {
        // The cut character, completed from this piece, and the rest.
        joined = carry_ + std::string(piece);
        piece = joined;
        carry_.clear();
    }
    for (std::size_t at = 0; at < piece.size();) {
        // Most of a table is ASCII, a character of one byte each: eight
        // bytes at a time where none has its high bit.
        if (piece.size() - at >= 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, piece.data() + at, 8);
            if ((eight & 0x8080808080808080ULL) == 0) {
                at += 8;
                continue;
            }
        }
        if (static_cast<unsigned char>(piece[at]) < 0x80) {
            ++at;
            continue;
        }
        std::size_t length = 0;
        bool complete = false;
        const bool starts = startsCharacter(piece, at, length, complete);
        if (starts && complete) {
            at += length;
            continue;
        }
        line_ += static_cast<long>(std::count(piece.begin(), piece.begin() + at, '\n'));
        // A character cut by the piece's end is carried; it holds no line
        // break, which is never part of a character.
        if (starts)
            carry_ = std::string(piece.substr(at));
        else
            utf8_ = false;
        return;
    }
    line_ += static_cast<long>(std::count(piece.begin(), piece.end(), '\n'));
}

}  // namespace pilaro::text
