// A broken property stops the fuzzer with the reason; libFuzzer then keeps
// the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace pilaro::test {

[[noreturn]] inline void propertyBroken(const std::string& what, const std::string& detail) {
    std::fprintf(stderr, "\n*** property broken: %s\n    %s\n", what.c_str(), detail.c_str());
    std::abort();
}

inline void require(bool kept, const std::string& what, const std::string& detail = {}) {
    if (!kept) propertyBroken(what, detail);
}

// Bytes in quotes as a C string shows them: printable ASCII as it is,
// every other byte as \xNN; at most the first 80.
inline std::string quoted(std::string_view s) {
    std::string out = "\"";
    for (char c : s.substr(0, 80)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7f) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", u);
            out += hex;
        }
    }
    return out + (s.size() > 80 ? "...\"" : "\"");
}

}  // namespace pilaro::test
