#include "jtg3362/design_area.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace pilaro::jtg3362 {
namespace {

using Step = std::int64_t;  // an area in hundredths of a cm^2

constexpr double kStepsPerCm2 = 100.0;
// Steps stay whole numbers of a double far below 2^53.
constexpr double kMostSteps = 1e15;
constexpr int kCoarseBrackets = 16;
// The grid's estimates of a ratio's step are off by a step at most.
constexpr int kMostAdjustments = 8;

double areaOf(Step k) {
    return static_cast<double>(k) / kStepsPerCm2;
}

struct Grid {
    double A;  // m^2

    [[nodiscard]] double ratio(Step k) const { return steelRatio(areaOf(k), A); }

    // The largest step whose ratio is at most `limit`.
    [[nodiscard]] Step lastAtMost(double limit) const {
        Step k = static_cast<Step>(std::floor(limit * A * 10000.0 * kStepsPerCm2));
        for (int i = 0; i < kMostAdjustments && ratio(k + 1) <= limit; ++i) ++k;
        for (int i = 0; i < kMostAdjustments && k > 0 && ratio(k) > limit; ++i) --k;
        return k;
    }

    // The least step whose ratio is at least `limit`.
    [[nodiscard]] Step firstAtLeast(double limit) const {
        Step k = static_cast<Step>(std::ceil(limit * A * 10000.0 * kStepsPerCm2));
        for (int i = 0; i < kMostAdjustments && k > 0 && ratio(k - 1) >= limit; ++i) --k;
        for (int i = 0; i < kMostAdjustments && ratio(k) < limit; ++i) ++k;
        return k;
    }
};

}  // namespace

std::optional<DesignAnswer> designArea(const CheckSetting& setting, double rhoMin) {
    const Grid grid{setting.section.A};
    if (!(0.05 * grid.A * 10000.0 * kStepsPerCm2 < kMostSteps)) return std::nullopt;
    const Step most = grid.lastAtMost(0.05);
    const Step least = grid.firstAtLeast(rhoMin);
    const auto enlarge = [&] {
        return DesignAnswer{true, areaOf(most), checkArea(setting, areaOf(most))};
    };
    if (least > most) return enlarge();

    std::vector<Step> coarse = {least, most};
    const Step at3 = grid.lastAtMost(0.03);
    for (Step k : {at3, at3 + 1})
        if (k > least && k < most) coarse.push_back(k);
    for (int j = 1; j < kCoarseBrackets; ++j)
        coarse.push_back(least + (most - least) * j / kCoarseBrackets);
    std::sort(coarse.begin(), coarse.end());
    coarse.erase(std::unique(coarse.begin(), coarse.end()), coarse.end());

    std::optional<Step> failing;
    for (Step k : coarse) {
        AreaCheck check = checkArea(setting, areaOf(k));
        if (check.verdict != Verdict::Passes) {
            failing = k;
            continue;
        }
        Step passing = k;
        if (failing) {
            Step below = *failing;
            while (passing - below > 1) {
                const Step middle = below + (passing - below) / 2;
                AreaCheck trial = checkArea(setting, areaOf(middle));
                if (trial.verdict == Verdict::Passes) {
                    passing = middle;
                    check = trial;
                } else {
                    below = middle;
                }
            }
        }
        return DesignAnswer{false, areaOf(passing), check};
    }
    return enlarge();
}

}  // namespace pilaro::jtg3362
