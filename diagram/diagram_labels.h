// Where the names of the load cases go beside their markers, so that no
// name covers another name or a marker. Plain geometry, no drawing.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace pilaro::diagram {

// A rectangle on the page, y downwards.
struct Box {
    double x = 0, y = 0, width = 0, height = 0;

    [[nodiscard]] bool overlaps(const Box& o) const {
        return x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
    }
    [[nodiscard]] bool inside(const Box& o) const {
        return x >= o.x && y >= o.y && x + width <= o.x + o.width && y + height <= o.y + o.height;
    }
};

struct LabelWish {
    double x = 0, y = 0;           // the marker's centre
    double width = 0, height = 0;  // of the text
};

// For each of the first `mostLabels` wishes in order (the most important
// first), a box beside its marker within `area` that overlaps no box placed
// before it and no marker (`markerRadius` around every wish's centre);
// nothing when every place beside the marker is taken, and for the wishes
// past `mostLabels`. No box overlaps one of `taken` either: names placed
// before.
[[nodiscard]] std::vector<std::optional<Box>> placeLabels(const std::vector<LabelWish>& wishes,
                                                          const Box& area, double markerRadius,
                                                          std::size_t mostLabels,
                                                          const std::vector<Box>& taken = {});

}  // namespace pilaro::diagram
