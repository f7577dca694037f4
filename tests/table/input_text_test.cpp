// The input's text as UTF-8: UTF-8 files as they are, anything else as
// GB18030, and a file that is neither refused with its first bad line;
// from a file and from a pipe alike, with characters cut between the
// pieces the text is read in.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <string>

#include "table/input_text.h"

namespace pilaro::test {
namespace {

using table::TextEncoding;

// "名称,构件,钢筋面积（cm²）,€\n" as Excel on Chinese Windows saves it: two
// bytes a Chinese character, four for "²".
const std::string kGb18030 =
    "\xC3\xFB\xB3\xC6,\xB9\xB9\xBC\xFE,\xB8\xD6\xBD\xEE\xC3\xE6\xBB\xFD\xA3\xA8"
    "cm\x81\x30\x85\x35\xA3\xA9,\xA2\xE3\n";
const std::string kUtf8 = "名称,构件,钢筋面积（cm²）,€\n";

// A stream that cannot go back, as standard input from a pipe.
class PipeBuffer : public std::streambuf {
  public:
    explicit PipeBuffer(std::string text) : text_(std::move(text)) {
        setg(text_.data(), text_.data(), text_.data() + text_.size());
    }

  private:
    std::string text_;
};

struct Read {
    TextEncoding encoding;
    std::string utf8;
    std::uint64_t size;
};

Read readAll(const std::string& bytes, bool pipe) {
    std::istringstream file(bytes);
    PipeBuffer buffer(bytes);
    std::istream piped(&buffer);
    table::InputText text(pipe ? piped : static_cast<std::istream&>(file));
    std::ostringstream utf8;
    utf8 << text.utf8().rdbuf();
    return {text.encoding(), utf8.str(), text.utf8Size()};
}

TEST(InputText, IsUtf8WhenWhollyUtf8AndElseGb18030) {
    // The reading goes in pieces of 64 KiB.
    const std::string filler(65535, 'x');
    const struct {
        const char* what;
        std::string bytes;
        TextEncoding encoding;
        std::string utf8;
    } cases[] = {
        {"UTF-8", kUtf8, TextEncoding::Utf8, kUtf8},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + kUtf8, TextEncoding::Utf8,
         "\xEF\xBB\xBF" + kUtf8},
        {"ASCII", "Nj,Mj\n1,2\n", TextEncoding::Utf8, "Nj,Mj\n1,2\n"},
        {"nothing", "", TextEncoding::Utf8, ""},
        {"GB18030", kGb18030, TextEncoding::Gb18030, kUtf8},
        {"GB18030 with its byte-order mark", "\x84\x31\x95\x33" + kGb18030, TextEncoding::Gb18030,
         "\xEF\xBB\xBF" + kUtf8},
        {"UTF-8 cut between two pieces", filler + "中\n", TextEncoding::Utf8, filler + "中\n"},
        {"GB18030 cut between two pieces", filler + kGb18030, TextEncoding::Gb18030,
         filler + kUtf8},
        {"one byte that is not UTF-8 makes it all GB18030", "Nj\n\xB9\xB9\n", TextEncoding::Gb18030,
         "Nj\n构\n"},
        {"UTF-16 with its byte-order mark", std::string("\xFF\xFEN\0j\0\n\0\x84\x67\n\0", 12),
         TextEncoding::Utf16Le, "\xEF\xBB\xBFNj\n构\n"},
    };
    for (const auto& c : cases) {
        for (bool pipe : {false, true}) {
            const Read read = readAll(c.bytes, pipe);
            EXPECT_EQ(read.encoding, c.encoding) << c.what << (pipe ? " from a pipe" : "");
            EXPECT_EQ(read.utf8, c.utf8) << c.what << (pipe ? " from a pipe" : "");
            EXPECT_EQ(read.size, c.utf8.size()) << c.what;
        }
        // Read again on what the first reading decided, as a run reads its
        // table more than once: the same text, and the same length.
        std::istringstream first(c.bytes);
        std::istringstream again(c.bytes);
        const table::InputText decided(first);
        table::InputText reread(again, decided.decision());
        std::ostringstream utf8;
        utf8 << reread.utf8().rdbuf();
        EXPECT_EQ(reread.encoding(), c.encoding) << c.what << " read again";
        EXPECT_EQ(utf8.str(), c.utf8) << c.what << " read again";
        EXPECT_EQ(reread.utf8Size(), c.utf8.size()) << c.what << " read again";
    }
}

TEST(InputText, TextThatIsNeitherNamesItsFirstBadLine) {
    const struct {
        const char* what;
        std::string bytes;
        const char* message;
    } cases[] = {
        {"a byte no character starts with", kUtf8 + "a\n\xFF\n", "line 3 of the input is neither"},
        {"a character cut by the end", kGb18030 + "\x81", "line 2 of the input is neither"},
        {"far on", std::string(70000, '\n') + "\xC3\xFB\x80", "line 70001 of the input"},
    };
    for (const auto& c : cases) {
        for (bool pipe : {false, true}) {
            try {
                readAll(c.bytes, pipe);
                ADD_FAILURE() << c.what;
            } catch (const std::runtime_error& e) {
                EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                    << c.what << ": " << e.what();
            }
        }
    }
}

}  // namespace
}  // namespace pilaro::test
