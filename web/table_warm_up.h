// A browser compiles WebAssembly (and JavaScript) quickly first, and well
// only for the code that runs often. The page's table worker runs a table
// of its own while it waits for its first table, read and run as a file
// is, so that the first table runs at full speed from its first row.
#pragma once

#include <string>

namespace pilaro::web {

// A CSV file of a spread of designs and checks of both methods, under the
// columns' English names.
[[nodiscard]] std::string warmUpTable();

}  // namespace pilaro::web
