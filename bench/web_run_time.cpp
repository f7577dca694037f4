// One run of the README's worked examples, timed the same way in the native
// build and in the WebAssembly build (run under node): the engine's cost in
// each, for bench/page_bench.sh. Median of 7 rounds of 2,000 runs.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/calculation.h"
#include "engine/materials.h"

namespace {

using pilaro::CalcInput;
using pilaro::CalcType;

CalcInput pier(CalcType type, double Nj, double Mj, double Ag) {
    const auto* concrete = pilaro::findConcreteGrade("25号");
    const auto* steel = pilaro::findSteelGrade("\u2161级");
    CalcInput in;
    in.type = type;
    in.Nj = Nj;
    in.Mj = Mj;
    in.D = 1.2;
    in.a = 0.05;
    in.l0 = 10;
    in.Ag = Ag;
    in.Ra = concrete->Ra;
    in.Eh = concrete->Eh;
    in.Rg = steel->Rg;
    in.Eg = steel->Eg;
    return in;
}

double microsecondsPerRun(const CalcInput& input) {
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
    const std::array<std::pair<const char*, CalcInput>, 3> examples = {{
        {"design 5000 kN, 3000 kN.m", pier(CalcType::Design, 5000, 3000, 0)},
        {"check 5000 kN, 1500 kN.m", pier(CalcType::Check, 5000, 1500, 45.239)},
        {"check 8000 kN, 3000 kN.m", pier(CalcType::Check, 8000, 3000, 45.239)},
    }};
    for (const auto& [name, input] : examples)
        std::printf("%-28s %8.2f us\n", name, microsecondsPerRun(input));
    return 0;
}
