// The cases that the native build and the WebAssembly build must answer
// byte for byte alike: one per line, tab-separated, as a user fills the
// page's form.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace pilaro::test {

// fresh ("1" starts from a new state), option (optpj, optqd or empty),
// the texts put into cbohnt and cbogj (empty: the list shows what it
// showed, a text that is no entry picks nothing), then the texts of txtnj,
// txtmj, txtzd, txtbc, txtlj and txtag1.
inline constexpr std::array<const char*, 6> kParityFields = {"txtnj", "txtmj", "txtzd",
                                                             "txtbc", "txtlj", "txtag1"};
struct ParityCase {
    bool fresh = false;
    std::string option;
    std::string concrete;
    std::string steel;
    std::array<std::string, kParityFields.size()> texts;
};

// Realistic designs and checks, near-axial loads, texts a strict field
// reading refuses, and runs that stop, from a fixed seed.
[[nodiscard]] std::vector<ParityCase> parityCases();

}  // namespace pilaro::test
