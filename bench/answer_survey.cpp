// Surveys seeded random sections for answers that are unsafe or missing:
// designs whose reported steel fails a check under the same loads, and
// near-axial designs and checks that end without a result.
//
//   pilaro_answer_survey [sections per kind] [seed] [dump file]
//
// Each design's reported area is checked under the design's own loads, as
// an engineer would re-check it in the window. With a dump file, every
// case's status and read-outs are written one per line, so that two builds
// can be compared case by case.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "bench/section_case.h"
#include "bench/section_generator.h"
#include "engine/number_text.h"

namespace pilaro {
namespace {

struct Tally {
    long cases = 0;
    long answered = 0;
    long failsOwnCheck = 0;  // reported area checks to Nq < 0.99 Nj
    double worstShare = 1e300;
    std::map<std::string, long> stops;
};

std::FILE* dump = nullptr;

void write(const char* kind, long i, const SectionCase& s, CalcStatus status, const CalcResult& r,
           double share) {
    if (!dump) return;
    std::fprintf(dump, "%s|%ld|{%.17g, %.17g, %.17g, %.17g, %.17g, %.17g, %zu, %zu}|%d", kind, i,
                 s.D, s.a, s.l0, s.Nj, s.Mj, s.Ag, s.concrete, s.steel, static_cast<int>(status));
    if (status == CalcStatus::Done) {
        std::fprintf(dump, " Ag%s rho%s xi%s Nq%s share %.4f", numberToText(r.Ag).c_str(),
                     numberToText(r.rho.value_or(0)).c_str(),
                     numberToText(r.xi.value_or(0)).c_str(), numberToText(r.Nq.value_or(0)).c_str(),
                     share);
    }
    std::fputc('\n', dump);
}

void survey(const char* kind, long count, std::mt19937_64& random, bool nearAxial, bool check) {
    Tally t;
    for (long i = 0; i < count; ++i) {
        const SectionCase s =
            nearAxial ? nearAxialSection(random, check) : randomSection(random, check);
        ++t.cases;
        CalcResult result;
        const CalcStatus status = runCalculation(calcInputOf(s), result);
        double share = 0;
        if (status != CalcStatus::Done) {
            write(kind, i, s, status, result, 0);
            ++t.stops[std::string(statusMessage(status))];
            continue;
        }
        ++t.answered;
        if (!check) {
            // The reported area, checked under the same loads.
            SectionCase again = s;
            again.Ag = result.Ag;
            CalcResult checked;
            if (runCalculation(calcInputOf(again), checked) == CalcStatus::Done) {
                share = *checked.Nq / s.Nj;
                if (share < t.worstShare) t.worstShare = share;
                if (share < 0.99) ++t.failsOwnCheck;
            } else {
                ++t.failsOwnCheck;
                t.worstShare = std::min(t.worstShare, 0.0);
            }
            result.Nq = checked.Nq;
        }
        write(kind, i, s, status, result, share);
    }
    std::printf("%-22s %6ld cases, %6ld answered", kind, t.cases, t.answered);
    if (!check)
        std::printf(", %ld fail their own check by more than 1%% (worst Nq/Nj %.3f)",
                    t.failsOwnCheck, t.answered ? t.worstShare : 0.0);
    std::printf("\n");
    for (const auto& [message, n] : t.stops) std::printf("    %6ld  %s\n", n, message.c_str());
}

}  // namespace
}  // namespace pilaro

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::atol(argv[1]) : 4000;
    const auto seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261207ULL;
    if (argc > 3) pilaro::dump = std::fopen(argv[3], "w");
    std::mt19937_64 random(seed);
    pilaro::survey("design, realistic", count, random, false, false);
    pilaro::survey("check, realistic", count, random, false, true);
    pilaro::survey("design, near-axial", count, random, true, false);
    pilaro::survey("check, near-axial", count, random, true, true);
    if (pilaro::dump) std::fclose(pilaro::dump);
    return 0;
}
