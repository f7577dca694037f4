// What the read-out fields show after a completed run: the one rule that
// the window and the load-case tables both present results by, and the one
// table of the read-outs.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/bar_counts.h"
#include "engine/calculation.h"
#include "messages/run_messages.h"

namespace pilaro {

// The read-outs, in their display order: the order of a load-case table's
// result columns.
enum class ReadOutId {
    Xi,
    CoefA,
    CoefB,
    CoefC,
    CoefD,
    Rho,
    AgRequired,
    D12,
    D14,
    D16,
    D18,
    D20,
    D22,
    D25,
    D28,
    D32,
    D34,
    D36,
    RhoGiven,
    Nq,
    Mq,
    Verdict,
};

inline constexpr std::size_t kReadOutCount = 22;

[[nodiscard]] constexpr std::size_t readOutIndex(ReadOutId id) {
    return static_cast<std::size_t>(id);
}

struct ReadOutEntry {
    ReadOutId id;
    std::string_view name;  // the result it shows, "AgRequired"
};

// Every read-out once, in display order.
inline constexpr std::array<ReadOutEntry, kReadOutCount> kReadOuts = {{
    {ReadOutId::Xi, "xi"},
    {ReadOutId::CoefA, "coefA"},
    {ReadOutId::CoefB, "coefB"},
    {ReadOutId::CoefC, "coefC"},
    {ReadOutId::CoefD, "coefD"},
    {ReadOutId::Rho, "rho"},
    {ReadOutId::AgRequired, "AgRequired"},
    {ReadOutId::D12, "D12"},
    {ReadOutId::D14, "D14"},
    {ReadOutId::D16, "D16"},
    {ReadOutId::D18, "D18"},
    {ReadOutId::D20, "D20"},
    {ReadOutId::D22, "D22"},
    {ReadOutId::D25, "D25"},
    {ReadOutId::D28, "D28"},
    {ReadOutId::D32, "D32"},
    {ReadOutId::D34, "D34"},
    {ReadOutId::D36, "D36"},
    {ReadOutId::RhoGiven, "rhoGiven"},
    {ReadOutId::Nq, "Nq"},
    {ReadOutId::Mq, "Mq"},
    {ReadOutId::Verdict, "verdict"},
}};

// The read-out of the i-th size of the bar table (kBarSizes).
[[nodiscard]] constexpr ReadOutId barCountReadOut(std::size_t barSize) {
    return static_cast<ReadOutId>(readOutIndex(ReadOutId::D12) + barSize);
}

[[nodiscard]] constexpr std::string_view readOutName(ReadOutId id) {
    return kReadOuts[readOutIndex(id)].name;
}

// The table is indexed by its ids, and the bar counts are named as the bar
// table names their sizes.
[[nodiscard]] consteval bool readOutTableIsConsistent() {
    for (std::size_t i = 0; i < kReadOutCount; ++i)
        if (readOutIndex(kReadOuts[i].id) != i) return false;
    for (std::size_t i = 0; i < kBarSizeCount; ++i)
        if (readOutName(barCountReadOut(i)) != kBarSizes[i].label) return false;
    return readOutIndex(ReadOutId::Verdict) + 1 == kReadOutCount;
}
static_assert(readOutTableIsConsistent());

// The verdict's read-out, as the window, the report and the tables write
// it, is verdictText (messages/run_messages.h).

// The texts of the read-outs, indexed by ReadOutId (UTF-8; empty when the
// field is emptied).
using ReadOutTexts = std::array<std::string, kReadOutCount>;

// What a Done run shows: the design road fills the design frame and
// empties the check frame, the check road fills the coefficients and the
// check frame and empties the rest of the design frame. Numbers go through
// numberToText; an unset value shows as empty text.
[[nodiscard]] ReadOutTexts readOuts(const CalcResult& result, bool checkPath);

}  // namespace pilaro
