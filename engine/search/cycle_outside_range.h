// Where only a landing on the section's range 0 < xi <= 1.5 counts (the
// design road's), a written search that closes a cycle wholly outside the
// range can land only outside it, where no landing is reported: nothing it
// does afterwards matters to a caller that tells the ends apart no further.
// This tells the search to stop at the first state it reaches again, as
// soon as the cycle that closes lies outside the range, rather than circle
// on until Brent's detection sees it (up to two circuits more) and follow
// the cycle to its end.
//
// The next trial depends only on the search's state (the grid point and,
// beyond 1.5, the grid point whose stress-block factor is carried), so a
// state reached again repeats the circuit since its first visit; rounding
// gathered on later circuits can tip a trial of it into the band, which is
// a landing on that circuit's own depth, outside the range too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/search/search_outcome.h"

namespace pilaro {

class StopOnCycleOutsideRange {
  public:
    // Told of every trial of the written search (its state, its depth and
    // its number, from 1): true where the search may stop.
    [[nodiscard]] bool operator()(long k, long factorK, double xi, long trial) {
        if (onSectionRange(xi)) {
            lastOnRange_ = trial;
            return false;
        }
        const long first = firstVisit(k, factorK, trial);
        return first > lastOnRange_;
    }

  private:
    // The trial that first reached a state outside the range, or 0 the
    // first time (noted then); states on the range belong to no cycle that
    // lies outside it. Only the first few hundred are kept, in a table
    // never more than half full; a search that runs longer than that
    // before it circles is left to Brent's detection. The table is cleared
    // only once a search leaves the range, which most never do.
    long firstVisit(long k, long factorK, long trial) {
        if (kept_ >= kSize / 2) return 0;
        if (kept_ == 0 && !cleared_) {
            for (Visit& v : visits_) v.trial = 0;
            cleared_ = true;
        }
        const std::uint64_t hash = (static_cast<std::uint64_t>(k) * 0x9E3779B97F4A7C15ULL) ^
                                   (static_cast<std::uint64_t>(factorK) * 0xC2B2AE3D27D4EB4FULL);
        for (std::size_t i = static_cast<std::size_t>(hash >> 54);; i = (i + 1) % kSize) {
            Visit& v = visits_[i];
            if (v.trial == 0) {
                v = Visit{k, factorK, trial};
                ++kept_;
                return 0;
            }
            if (v.k == k && v.factorK == factorK) return v.trial;
        }
    }

    static constexpr std::size_t kSize = 1024;
    struct Visit {
        long k;
        long factorK;
        long trial;  // 0: empty
    };
    std::array<Visit, kSize> visits_;  // cleared when first needed
    bool cleared_ = false;
    std::size_t kept_ = 0;
    long lastOnRange_ = 0;
};

}  // namespace pilaro
