// One run of the worked examples, timed the same way in the native build
// and in the WebAssembly build (run under node): the engine's cost in each,
// for bench/page_bench.sh. Median of 7 rounds of 2,000 runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

#include "bench/named_cases.h"

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

}  // namespace

int main() {
    for (const pilaro::NamedCase& named : pilaro::namedCases())
        if (std::string_view(named.name).find("example") != std::string_view::npos)
            std::printf("%-24s %8.2f us\n", named.name,
                        microsecondsPerRun(pilaro::calcInputOf(named.section)));
    return 0;
}
