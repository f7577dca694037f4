#include "table/bar_notation.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "engine/bar_counts.h"

namespace pilaro::table {

namespace {

// Φ φ Ф ф: the Greek and Cyrillic letters engineers type for a bar's
// diameter, beside the D of the bar table's labels.
constexpr std::array<std::string_view, 6> kBarSigns = {"D", "d", "Φ", "φ", "Ф", "ф"};

constexpr int kLargestCount = 99999;

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool allDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// The first bar sign of a group: where it starts and how long it is.
struct SignPlace {
    std::size_t at = std::string_view::npos;
    std::size_t size = 0;
};

SignPlace findSign(std::string_view group) {
    SignPlace first;
    for (std::string_view sign : kBarSigns) {
        const std::size_t at = group.find(sign);
        if (at < first.at) first = {at, sign.size()};
    }
    return first;
}

// A bar area of the table in thousandths of a cm^2: the tabulated areas
// have three decimals, so this is a whole number.
std::int64_t thousandthsOf(const BarSize& bar) {
    return std::llround(bar.area * 1000);
}

// One group, "24D28"; nothing when it is not in the notation.
std::optional<BarGroup> readGroup(std::string_view group) {
    const SignPlace sign = findSign(group);
    if (sign.at == std::string_view::npos) return std::nullopt;
    const std::string_view countText = trimBlanks(group.substr(0, sign.at));
    const std::string_view diameter = trimBlanks(group.substr(sign.at + sign.size));
    if (!allDigits(countText) || !allDigits(diameter)) return std::nullopt;
    int count = 0;
    const auto [end, ec] =
        std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (ec != std::errc() || count < 1 || count > kLargestCount) return std::nullopt;
    return BarGroup{count, diameter};
}

}  // namespace

std::vector<BarGroup> readBarGroups(std::string_view text) {
    std::vector<BarGroup> groups;
    while (true) {
        const std::size_t plus = text.find('+');
        const std::optional<BarGroup> group = readGroup(trimBlanks(text.substr(0, plus)));
        if (!group) return {};
        groups.push_back(*group);
        if (plus == std::string_view::npos) return groups;
        text.remove_prefix(plus + 1);
    }
}

BarReading readBarNotation(std::string_view text) {
    const std::vector<BarGroup> groups = readBarGroups(text);
    if (groups.empty()) return {};
    BarReading reading;
    for (const BarGroup& group : groups) {
        const auto bar = std::find_if(kBarSizes.begin(), kBarSizes.end(), [&](const BarSize& b) {
            return b.label.substr(1) == group.diameter;
        });
        if (bar != kBarSizes.end())
            reading.thousandths += group.count * thousandthsOf(*bar);
        else if (reading.unknownDiameter.empty())
            reading.unknownDiameter = group.diameter;
    }
    reading.kind =
        reading.unknownDiameter.empty() ? BarTextKind::Bars : BarTextKind::UnknownDiameter;
    if (reading.kind != BarTextKind::Bars) reading.thousandths = 0;
    return reading;
}

}  // namespace pilaro::table
