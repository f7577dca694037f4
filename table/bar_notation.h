// Bars as engineers write them: "24D28" is 24 bars of 28 mm, and
// "12D28+12D25" adds groups. The one reading of the notation, for the
// window's steel-area field and the load-case tables alike.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace pilaro::table {

enum class BarTextKind {
    NotBars,          // not in the notation at all
    UnknownDiameter,  // in the notation, but a diameter is not in the bar table
    Bars,
};

struct BarReading {
    BarTextKind kind = BarTextKind::NotBars;
    // The area the bars supply, in whole thousandths of a cm^2: the sum of
    // count x the bar table's area, exact.
    std::int64_t thousandths = 0;
    // UnknownDiameter: the first diameter, as typed, that the table lacks.
    std::string_view unknownDiameter;

    // cm^2: the same double as the area typed with its three decimals.
    [[nodiscard]] double area() const { return static_cast<double>(thousandths) / 1000.0; }
};

// One group of the notation as typed: `count` bars whose diameter reads
// `diameter` (digits, mm).
struct BarGroup {
    int count = 0;
    std::string_view diameter;
};

// One or more groups joined by '+'; a group is a count from 1 to 99999, the
// bar sign (D, d, Φ, φ, Ф or ф) and a diameter in mm. Blanks and tabs may
// stand around the groups, counts and diameters. The groups in order; none
// when the text is not in the notation. Whether a diameter is a bar of a
// bar table is for the method that reads the groups to say.
[[nodiscard]] std::vector<BarGroup> readBarGroups(std::string_view utf8Text);

// The groups read against the archived method's bar table (kBarSizes).
[[nodiscard]] BarReading readBarNotation(std::string_view utf8Text);

}  // namespace pilaro::table
