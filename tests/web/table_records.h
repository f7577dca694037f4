// A table's records as pilaro-batch reads them, from CSV text or a file,
// for the page's table tests.
#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "table/csv_reader.h"

namespace pilaro::web {

inline std::vector<table::CellRow> recordsOf(const std::string& csv) {
    std::istringstream in(csv);
    table::CsvReader reader(in);
    std::vector<table::CellRow> records;
    for (table::CellRow record; reader.next(record);) records.push_back(record);
    return records;
}

inline std::string file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace pilaro::web
