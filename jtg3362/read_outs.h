// The texts of every read-out of a calculation under JTG 3362-2018: the one
// home that the window, the printed sheet, the page and pilaro-batch's
// cells show its figures by. Each figure has fixed decimals and rounds
// towards the safe side: capacities down; the design load, the required
// area and ratio, η and the utilisation up.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "jtg3362/bars.h"
#include "jtg3362/decimal_text.h"
#include "jtg3362/records.h"

namespace pilaro::jtg3362 {

// In display order.
enum class ReadOut {
    DesignLoad,   // γ0 Nd, kN
    L0OverD,      // l0 / D
    E0,           // m
    Slenderness,  // l0 / i
    Zeta1,
    Zeta2,
    Eta,
    E,  // η e0, m
    Alpha,
    AlphaT,
    Nu,  // kN
    Mu,  // kN m
    Phi,
    NuAxial,  // Nmax, kN
    Utilisation,
    Verdict,
    AgRequired,  // cm^2
    Rho,
    D12,
    D14,
    D16,
    D18,
    D20,
    D22,
    D25,
    D28,
    D32,
    D36,
    D40,
    RhoGiven,
};

inline constexpr std::size_t kReadOutCount = 30;

[[nodiscard]] constexpr std::size_t readOutIndex(ReadOut id) {
    return static_cast<std::size_t>(id);
}

struct ReadOutEntry {
    ReadOut id;
    std::string_view name;  // as pilaro-batch's JSON keys name the result
    int decimals;
    Rounding rounding;
};

inline constexpr std::array<ReadOutEntry, kReadOutCount> kReadOuts = {{
    {ReadOut::DesignLoad, "gamma0Nd", 2, Rounding::Up},
    // Up, so that a slenderness beyond a limit never shows as the limit.
    {ReadOut::L0OverD, "l0OverD", 2, Rounding::Up},
    {ReadOut::E0, "e0", 4, Rounding::Nearest},
    {ReadOut::Slenderness, "slenderness", 2, Rounding::Up},
    {ReadOut::Zeta1, "zeta1", 4, Rounding::Nearest},
    {ReadOut::Zeta2, "zeta2", 4, Rounding::Nearest},
    {ReadOut::Eta, "eta", 4, Rounding::Up},
    {ReadOut::E, "e", 4, Rounding::Nearest},
    {ReadOut::Alpha, "alpha", 4, Rounding::Nearest},
    {ReadOut::AlphaT, "alphaT", 4, Rounding::Nearest},
    {ReadOut::Nu, "Nu", 2, Rounding::Down},
    {ReadOut::Mu, "Mu", 2, Rounding::Down},
    {ReadOut::Phi, "phi", 4, Rounding::Down},
    {ReadOut::NuAxial, "NuAxial", 2, Rounding::Down},
    {ReadOut::Utilisation, "utilisation", 3, Rounding::UpStrict},
    {ReadOut::Verdict, "verdict", 0, Rounding::Nearest},
    {ReadOut::AgRequired, "AgRequired", 2, Rounding::Up},
    {ReadOut::Rho, "rho", 4, Rounding::Up},
    {ReadOut::D12, "D12", 0, Rounding::Up},
    {ReadOut::D14, "D14", 0, Rounding::Up},
    {ReadOut::D16, "D16", 0, Rounding::Up},
    {ReadOut::D18, "D18", 0, Rounding::Up},
    {ReadOut::D20, "D20", 0, Rounding::Up},
    {ReadOut::D22, "D22", 0, Rounding::Up},
    {ReadOut::D25, "D25", 0, Rounding::Up},
    {ReadOut::D28, "D28", 0, Rounding::Up},
    {ReadOut::D32, "D32", 0, Rounding::Up},
    {ReadOut::D36, "D36", 0, Rounding::Up},
    {ReadOut::D40, "D40", 0, Rounding::Up},
    // A given ratio is never overstated beside the least ratio.
    {ReadOut::RhoGiven, "rhoGiven", 4, Rounding::Down},
}};

// The read-out of the i-th size of kBarSizes.
[[nodiscard]] constexpr ReadOut barCountReadOut(std::size_t barSize) {
    return static_cast<ReadOut>(readOutIndex(ReadOut::D12) + barSize);
}

[[nodiscard]] constexpr const ReadOutEntry& readOutEntry(ReadOut id) {
    return kReadOuts[readOutIndex(id)];
}

[[nodiscard]] consteval bool readOutTableIsConsistent() {
    for (std::size_t i = 0; i < kReadOutCount; ++i)
        if (readOutIndex(kReadOuts[i].id) != i) return false;
    for (std::size_t i = 0; i < kBarSizeCount; ++i)
        if (readOutEntry(barCountReadOut(i)).name != kBarSizes[i].label) return false;
    return readOutIndex(ReadOut::RhoGiven) + 1 == kReadOutCount;
}
static_assert(readOutTableIsConsistent());

// A figure as its read-out shows it.
[[nodiscard]] std::string figureText(ReadOut id, double value);

// The double a read-out's text reads as: what the sheet says the figure is.
[[nodiscard]] double shownValue(ReadOut id, double value);

// The texts of the read-outs, indexed by ReadOut (UTF-8); empty where a
// figure does not belong to the outcome. Done and EnlargeSection fill the
// figures of the section; a design adds its area, ratio and bar counts
// (EnlargeSection only the ratio of the capacities shown, 5 %), a check
// its given ratio. Every other status leaves every text empty.
using ReadOutTexts = std::array<std::string, kReadOutCount>;
[[nodiscard]] ReadOutTexts readOuts(Task task, const Outcome& outcome);

}  // namespace pilaro::jtg3362
