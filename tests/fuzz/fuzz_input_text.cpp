// Any bytes as a table's file: the text handed on is always UTF-8, exactly
// the bytes when they are UTF-8, as long as its size says; a text that is
// neither UTF-8 nor GB18030 is refused with a line it has.
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

#include "table/input_text.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/utf8.h"

using pilaro::test::quoted;
using pilaro::test::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    long lines = 1;
    for (char c : bytes) lines += c == '\n';
    std::istringstream in(bytes);
    try {
        pilaro::table::InputText text(in);
        std::ostringstream out;
        out << text.utf8().rdbuf();
        const std::string utf8 = out.str();
        require(pilaro::text::isUtf8(utf8), "the text handed on is not UTF-8", quoted(bytes));
        require(utf8.size() == text.utf8Size(), "the text's size is not what it said",
                quoted(bytes));
        if (text.encoding() == pilaro::table::TextEncoding::Utf8)
            require(utf8 == bytes, "UTF-8 text was changed", quoted(bytes));
        else
            require(!pilaro::text::isUtf8(bytes), "UTF-8 text was read as GB18030", quoted(bytes));
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        require(message.starts_with("line "), "refused without a line", message);
        const long line = std::stol(message.substr(5));
        require(line >= 1 && line <= lines, "refused at a line the text does not have", message);
    }
    return 0;
}
