// The UTF-8 check: well-formed characters of one to four bytes, and no
// overlong form, surrogate, code point past U+10FFFF or cut character.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "text/utf8.h"

namespace pilaro::test {
namespace {

TEST(Utf8, TellsWellFormedTextFromBytesThatAreNot) {
    const struct {
        const char* what;
        std::string bytes;
        std::size_t firstLength;  // of the character at the start; 0 when none
        bool utf8;
    } cases[] = {
        {"ASCII", "P1", 1, true},
        {"U+00E9", "\xC3\xA9", 2, true},
        {"U+4E2D", "\xE4\xB8\xAD", 3, true},
        {"U+1F600", "\xF0\x9F\x98\x80", 4, true},
        {"U+10FFFF, the last", "\xF4\x8F\xBF\xBF", 4, true},
        {"U+FEFF, the byte-order mark", "\xEF\xBB\xBF", 3, true},
        {"U+0000", std::string(1, '\0'), 1, true},
        {"the empty text", "", 0, true},
        {"a lone continuation byte", "\x80", 0, false},
        {"overlong U+0000 in two bytes", "\xC0\x80", 0, false},
        {"overlong U+007F in two bytes", "\xC1\xBF", 0, false},
        {"overlong U+07FF in three bytes", "\xE0\x9F\xBF", 0, false},
        {"overlong U+FFFF in four bytes", "\xF0\x8F\xBF\xBF", 0, false},
        {"a surrogate, U+D800", "\xED\xA0\x80", 0, false},
        {"the last below the surrogates, U+D7FF", "\xED\x9F\xBF", 3, true},
        {"past U+10FFFF", "\xF4\x90\x80\x80", 0, false},
        {"a lead byte no character has", "\xF8\x88\x80\x80\x80", 0, false},
        {"a character cut short", "\xE4\xB8", 0, false},
        {"a character cut short by ASCII",
         "\xE4"
         "a\xAD",
         0, false},
        {"good, then bad", "P1\xFF", 1, false},
        {"a Latin-1 name", "Pf\xE9iler", 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::isUtf8(c.bytes), c.utf8) << c.what;
        if (!c.bytes.empty()) {
            EXPECT_EQ(text::utf8CharLength(c.bytes, 0), c.firstLength) << c.what;
        }
    }
}

// A scan fed in pieces finds a bad byte, or a character cut short, at any
// place among ASCII (which it passes eight bytes at a time), on the right
// line, whatever the pieces' sizes.
TEST(Utf8, AScanFindsABadByteAnywhereAmongAscii) {
    const std::string ascii = "Nj,Mj\n5000,1500\nP1,25\n";  // three lines
    for (std::size_t at = 0; at <= ascii.size(); ++at) {
        for (const std::string& inserted :
             {std::string("\xFF"), std::string("\xE4\xB8"), std::string("\xE4\xB8\xAD")}) {
            const std::string text = ascii.substr(0, at) + inserted + ascii.substr(at);
            const bool good = inserted.size() == 3;  // 中, whole
            const long line = 1 + static_cast<long>(std::count(
                                      ascii.begin(), ascii.begin() + static_cast<long>(at), '\n'));
            for (std::size_t piece :
                 {std::size_t{1}, std::size_t{3}, std::size_t{8}, text.size()}) {
                text::Utf8Scan scan;
                for (std::size_t from = 0; from < text.size(); from += piece)
                    scan.feed(std::string_view(text).substr(from, piece));
                EXPECT_EQ(scan.wholeTextIsUtf8(), good) << at << " " << piece;
                if (!good) {
                    EXPECT_EQ(scan.firstBadLine(), line) << at << " " << piece;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pilaro::test
