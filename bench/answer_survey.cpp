// Surveys seeded random sections for answers that are unsafe or missing:
// designs whose reported steel fails a check under the same loads, and
// near-axial designs and checks that end without a result.
//
//   pilaro_answer_survey [sections per kind] [seed] [dump file]
//   pilaro_answer_survey --compare BEFORE AFTER
//
// Each design's reported area is checked under the design's own loads, as
// an engineer would re-check it in the window. With a dump file, every
// case's status and read-outs are written one per line, so that two builds
// can be compared case by case: --compare reads the dumps of one count and
// seed from two builds and tells, kind by kind, how many results changed,
// in which direction and by how much. A sound change of the engine lowers
// a check's capacity or raises a design's area; any other is listed.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>

#include "bench/section_case.h"
#include "bench/section_generator.h"
#include "engine/number_text.h"
#include "engine/section.h"
#include "messages/run_messages.h"

namespace pilaro {
namespace {

struct Tally {
    long cases = 0;
    long answered = 0;
    long failsOwnCheck = 0;  // reported area checks to Nq < 0.99 Nj
    double worstShare = 1e300;
    long offRange = 0;  // a reported xi outside 0 <= xi <= 1.5 (floored: 0 is a state)
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
        if (*result.xi < 0 || *result.xi > kStressBlockLimit) ++t.offRange;
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
    std::printf("%-22s %6ld cases, %6ld answered, %ld states outside 0 < xi <= 1.5", kind, t.cases,
                t.answered, t.offRange);
    if (!check)
        std::printf(", %ld fail their own check by more than 1%% (worst Nq/Nj %.3f)",
                    t.failsOwnCheck, t.answered ? t.worstShare : 0.0);
    std::printf("\n");
    for (const auto& [message, n] : t.stops) std::printf("    %6ld  %s\n", n, message.c_str());
}

// One case of a dump: its status and, when done, its read-outs (for a
// design, Nq is the check of its reported area).
struct DumpedCase {
    int status = -1;
    double Ag = 0, rho = 0, xi = 0, Nq = 0, share = 0;
};

using Dump = std::map<std::string, DumpedCase>;  // by "kind|index"

bool readDump(const char* path, Dump& dump) {
    std::FILE* file = std::fopen(path, "r");
    if (!file) return false;
    char line[1024];
    while (std::fgets(line, sizeof line, file)) {
        const char* index = std::strchr(line, '|');
        const char* figures = index ? std::strchr(index + 1, '|') : nullptr;
        const char* outcome = figures ? std::strchr(figures + 1, '|') : nullptr;
        if (!outcome) continue;
        DumpedCase c;
        const int read = std::sscanf(outcome + 1, "%d Ag %lf rho %lf xi %lf Nq %lf share %lf",
                                     &c.status, &c.Ag, &c.rho, &c.xi, &c.Nq, &c.share);
        if (read < 1) continue;
        dump[std::string(static_cast<const char*>(line), figures)] = c;
    }
    std::fclose(file);
    return true;
}

// The changes of one kind of case between two builds.
struct Changes {
    long cases = 0;
    long changed = 0;
    long statusChanged = 0;
    long sound = 0;             // a check's Nq lower, a design's area larger
    long same = 0;              // same capacity or area; another state or re-check
    long unsound = 0;           // a check's Nq higher, a design's area smaller
    double largestSound = 0;    // share of the old value
    double largestUnsound = 0;  // share of the old value
    std::string largestSoundCase, largestUnsoundCase;
    double worstNewShare = 1e300;  // designs: Nq / Nj of the changed areas
    std::map<std::string, long> statusMoves;
};

void tallyChange(const std::string& key, const DumpedCase& was, const DumpedCase& now, bool design,
                 Changes& c) {
    ++c.changed;
    if (was.status != now.status) {
        ++c.statusChanged;
        ++c.statusMoves[std::string(statusName(static_cast<CalcStatus>(was.status))) + " -> " +
                        std::string(statusName(static_cast<CalcStatus>(now.status)))];
        return;
    }
    if (design) c.worstNewShare = std::min(c.worstNewShare, now.share);
    const double before = design ? was.Ag : was.Nq;
    const double after = design ? now.Ag : now.Nq;
    if (after == before) {
        ++c.same;
        return;
    }
    const double change = std::fabs(after - before) / std::fabs(before);
    const bool sound = design ? after > before : after < before;
    long& count = sound ? c.sound : c.unsound;
    double& largest = sound ? c.largestSound : c.largestUnsound;
    std::string& which = sound ? c.largestSoundCase : c.largestUnsoundCase;
    ++count;
    if (change > largest) {
        largest = change;
        char text[128];
        std::snprintf(text, sizeof text, "%s: %.3f -> %.3f", key.c_str(), before, after);
        which = text;
    }
}

int compareDumps(const char* beforePath, const char* afterPath) {
    Dump before, after;
    if (!readDump(beforePath, before) || !readDump(afterPath, after)) {
        std::fprintf(stderr, "cannot read %s or %s\n", beforePath, afterPath);
        return 1;
    }
    std::map<std::string, Changes> byKind;
    for (const auto& [key, was] : before) {
        const std::string kind = key.substr(0, key.find('|'));
        Changes& c = byKind[kind];
        ++c.cases;
        const auto now = after.find(key);
        if (now == after.end()) {
            std::fprintf(stderr, "%s is missing from %s\n", key.c_str(), afterPath);
            return 1;
        }
        const DumpedCase& n = now->second;
        if (was.status != n.status || was.Ag != n.Ag || was.rho != n.rho || was.xi != n.xi ||
            was.Nq != n.Nq)
            tallyChange(key, was, n, kind.rfind("design", 0) == 0, c);
    }
    for (const auto& [kind, c] : byKind) {
        const bool design = kind.rfind("design", 0) == 0;
        std::printf("%-22s %6ld cases, %5ld changed: %ld %s, %ld %s, %ld %s, %ld another status\n",
                    kind.c_str(), c.cases, c.changed, c.sound, design ? "larger area" : "lower Nq",
                    c.same, design ? "same area" : "same Nq", c.unsound,
                    design ? "smaller area" : "higher Nq", c.statusChanged);
        if (c.sound)
            std::printf("    largest %s %.2f %%  %s\n", design ? "rise" : "fall",
                        100 * c.largestSound, c.largestSoundCase.c_str());
        if (c.unsound)
            std::printf("    largest %s %.2f %%  %s\n", design ? "fall" : "rise",
                        100 * c.largestUnsound, c.largestUnsoundCase.c_str());
        if (design && c.changed > c.statusChanged)
            std::printf("    changed areas check to Nq/Nj >= %.4f\n", c.worstNewShare);
        for (const auto& [move, n] : c.statusMoves)
            std::printf("    %6ld  status %s\n", n, move.c_str());
    }
    return 0;
}

}  // namespace
}  // namespace pilaro

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--compare") == 0)
        return pilaro::compareDumps(argv[2], argv[3]);
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
