// The lines of one copy of the printed report, built from the calculation
// state: fixed labels and units, the last run's materials and inputs, and
// the block that the chosen calculation type chooses, with its results
// only when the last run computed that block. One sheet describes one run.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "form/calc_state.h"

namespace pilaro {

// What follows an item on its line.
enum class Separator {
    Adjacent,   // the next item follows directly
    NextZone,   // the next item starts at the next print zone
    EndOfLine,  // the line ends here
};

// A label, unit, title or verdict (UTF-8, written unchanged), or a value of
// the state (written as numberToText plus one blank; unset writes nothing).
using ItemContent = std::variant<std::string, MaybeValue>;

struct ReportItem {
    ItemContent content;
    Separator after = Separator::EndOfLine;
};

struct ReportLine {
    int leadIn = 5;  // 6 on the title line, 5 on every other line
    std::vector<ReportItem> items;
};

// Seven lines (Design, or no type chosen) or six lines (Check: the steel
// checked, as typed and as its area, then the capacities and the verdict,
// then the coefficients). The state is only read.
[[nodiscard]] std::vector<ReportLine> reportLines(const CalcState& state);

// The text an item puts on the paper.
[[nodiscard]] std::string itemText(const ReportItem& item);

}  // namespace pilaro
