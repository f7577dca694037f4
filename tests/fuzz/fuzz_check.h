// A broken property stops the fuzzer with the reason; libFuzzer then keeps
// the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace pilaro::test {

[[noreturn]] inline void propertyBroken(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "\n*** property broken: %s\n    %s\n", what.c_str(), detail.c_str());
    std::abort();
}

inline void require(bool kept, const std::string& what, const std::string& detail = {}) {
    if (!kept) propertyBroken(what, detail);
}

}  // namespace pilaro::test
