// Any bytes as a CSV table: the reader never crashes or hangs, refuses
// only with its own error, and gives records that are not wholly blank, in
// the order of the lines they start on.
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

#include "table/csv_reader.h"
#include "tests/fuzz/fuzz_check.h"

using pilaro::test::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    long lines = 1;
    for (char c : text) lines += c == '\n';
    std::istringstream in(text);
    pilaro::table::CsvReader reader(in);
    long previous = 1;
    try {
        for (pilaro::table::CellRow row; reader.next(row);) {
            require(row.line >= previous && row.line <= lines,
                    "a record's line is out of order or past the text",
                    std::to_string(row.line) + " after " + std::to_string(previous));
            previous = row.line;
            bool blank = true;
            for (const std::string& cell : row.cells)
                blank = blank && cell.find_first_not_of(" \t") == std::string::npos;
            require(!blank, "a wholly blank record", "line " + std::to_string(row.line));
        }
    } catch (const std::runtime_error&) {
        // A quote never closed, told with its line: the run stops there.
    }
    require(reader.bytesRead() <= size + 1, "more bytes read than the text holds");
    return 0;
}
