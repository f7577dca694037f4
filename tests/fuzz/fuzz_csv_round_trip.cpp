// Any cells, written as the CSV writer writes them and read back by the
// CSV reader, are the same cells; a cell made safe for a spreadsheet reads
// back as itself or with its leading apostrophe.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "table/csv_cell.h"
#include "table/csv_reader.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using pilaro::test::require;

std::string shown(const std::vector<std::string>& cells) {
    std::string out;
    for (const std::string& cell : cells) out += pilaro::test::quoted(cell) + ' ';
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    // Each record starts with a cell that is not blank, since the reader
    // skips wholly blank records.
    std::vector<std::vector<std::string>> records;
    std::string text;
    while (bytes.remaining_bytes() > 0 && records.size() < 8) {
        std::vector<std::string> cells{"#"};
        const int count = bytes.ConsumeIntegralInRange<int>(1, 6);
        for (int i = 0; i < count; ++i) cells.push_back(bytes.ConsumeRandomLengthString(64));
        const bool spreadsheet = bytes.ConsumeBool();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string cell =
                spreadsheet ? pilaro::table::spreadsheetText(cells[i]) : cells[i];
            require(cell == cells[i] || cell == "'" + cells[i],
                    "a spreadsheet's cell is more than its text with an apostrophe",
                    shown({cells[i], cell}));
            cells[i] = cell;
            text += (i ? "," : "") + pilaro::table::csvField(cell);
        }
        text += "\r\n";
        records.push_back(std::move(cells));
    }
    std::istringstream in(text);
    pilaro::table::CsvReader reader(in, ',');
    for (const std::vector<std::string>& written : records) {
        pilaro::table::CellRow row;
        require(reader.next(row), "a record written was not read back", shown(written));
        require(row.cells == written, "cells read back differ from those written",
                shown(written) + " -> " + shown(row.cells));
    }
    pilaro::table::CellRow extra;
    require(!reader.next(extra), "more records read back than written", shown(extra.cells));
    return 0;
}
