#include "diagram/diagram_labels.h"

#include <algorithm>

namespace pilaro::diagram {

namespace {

// The places tried around a marker, in order of preference: right, left,
// above, below, then the four corners.
Box candidate(const LabelWish& w, double gap, int place) {
    const double right = w.x + gap, left = w.x - gap - w.width;
    const double middle = w.y - w.height / 2;
    const double above = w.y - gap - w.height, below = w.y + gap;
    const double centre = w.x - w.width / 2;
    switch (place) {
        case 0:
            return {right, middle, w.width, w.height};
        case 1:
            return {left, middle, w.width, w.height};
        case 2:
            return {centre, above, w.width, w.height};
        case 3:
            return {centre, below, w.width, w.height};
        case 4:
            return {right, above, w.width, w.height};
        case 5:
            return {right, below, w.width, w.height};
        case 6:
            return {left, above, w.width, w.height};
        default:
            return {left, below, w.width, w.height};
    }
}

constexpr int kPlaces = 8;

}  // namespace

std::vector<std::optional<Box>> placeLabels(const std::vector<LabelWish>& wishes, const Box& area,
                                            double markerRadius, std::size_t mostLabels,
                                            const std::vector<Box>& before) {
    std::vector<Box> taken(before);
    taken.reserve(before.size() + wishes.size() + std::min(wishes.size(), mostLabels));
    for (const LabelWish& w : wishes)
        taken.push_back(
            {w.x - markerRadius, w.y - markerRadius, 2 * markerRadius, 2 * markerRadius});

    std::vector<std::optional<Box>> placed(wishes.size());
    const double gap = markerRadius + 2;
    for (std::size_t i = 0; i < wishes.size() && i < mostLabels; ++i) {
        const LabelWish& w = wishes[i];
        std::optional<Box> chosen;
        for (int place = 0; place < kPlaces && !chosen; ++place) {
            const Box box = candidate(w, gap, place);
            if (!box.inside(area)) continue;
            bool free = true;
            for (const Box& t : taken) free = free && !box.overlaps(t);
            if (free) chosen = box;
        }
        if (chosen) taken.push_back(*chosen);
        placed[i] = chosen;
    }
    return placed;
}

}  // namespace pilaro::diagram
