// A browser compiles WebAssembly quickly first and well only for the code
// that runs often. The page's table worker has the engine run a spread of
// designs and checks while it waits for its first table, so that a long
// table runs at full speed from its first row.
#pragma once

namespace pilaro::web {

void warmUpEngine();

}  // namespace pilaro::web
