// One run of the worked examples, timed the same way in the native build
// and in the WebAssembly build (run under node): the engine's cost in each,
// for bench/page_bench.sh. Median of 7 rounds of 2,000 runs.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

#include "bench/named_cases.h"
#include "engine/scientific_digits.h"

namespace {

double microsecondsPerRun(const pilaro::CalcInput& input) {
    constexpr int kRuns = 2000;
    std::vector<double> rounds;
    for (int round = 0; round < 8; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kRuns; ++i) {
            pilaro::CalcResult result;
            if (pilaro::runCalculation(input, result) != pilaro::CalcStatus::Done) return -1;
        }
        const std::chrono::duration<double, std::micro> spent =
            std::chrono::steady_clock::now() - start;
        if (round > 0) rounds.push_back(spent.count() / kRuns);  // the first warms up
    }
    std::nth_element(rounds.begin(), rounds.begin() + 3, rounds.end());
    return rounds[3];
}

// Fifteen digits of a read-out: the C library's "%.14e" against the integer
// road, over figures like a sheet's (median of 7 rounds).
void timeFifteenDigits() {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> spread(-4, 5);
    std::vector<double> values(20000);
    for (double& value : values) value = std::pow(10.0, spread(random));
    auto nanosecondsPerValue = [&](auto&& format) {
        std::vector<double> rounds;
        std::size_t written = 0;
        for (int round = 0; round < 8; ++round) {
            const auto start = std::chrono::steady_clock::now();
            for (double value : values) written += format(value);
            const std::chrono::duration<double, std::nano> spent =
                std::chrono::steady_clock::now() - start;
            if (round > 0) rounds.push_back(spent.count() / static_cast<double>(values.size()));
        }
        std::nth_element(rounds.begin(), rounds.begin() + 3, rounds.end());
        return written == 0 ? -1 : rounds[3];
    };
    const double library = nanosecondsPerValue([](double value) {
        char text[32];
        return static_cast<std::size_t>(std::snprintf(text, sizeof text, "%.14e", value));
    });
    const double integers = nanosecondsPerValue([](double value) {
        char text[24];
        return pilaro::scientificDigits14(value, text);
    });
    std::printf("%-24s %8.1f ns\n%-24s %8.1f ns\n", "15 digits, %.14e", library,
                "15 digits, integers", integers);
}

}  // namespace

int main() {
    timeFifteenDigits();
    for (const pilaro::NamedCase& named : pilaro::namedCases())
        if (std::string_view(named.name).find("example") != std::string_view::npos)
            std::printf("%-24s %8.2f us\n", named.name,
                        microsecondsPerRun(pilaro::calcInputOf(named.section)));
    return 0;
}
