// The section coefficients of the depths a run has already evaluated, kept
// so that a depth evaluated again costs no trigonometry: every check of a
// design's ratios visits the same grid depths and, running away, the same
// written steps; the scan of the section's range and the search for the top
// of the curve share their coarse depths.
//
// A depth's coefficients depend only on the section (g, Rg, Eg, fixed for
// the run) and, beyond xi = 1.5, on the stress-block factor carried in; the
// depth's bits and that factor's bits are the key, and a hit leaves the
// carried factor exactly as the evaluation would. So a hit gives the very
// values an evaluation would, bit for bit.
#pragma once

#include <array>
#include <cstdint>

#include "engine/double_bits.h"
#include "engine/section.h"

namespace pilaro {

// How a trial takes the section's coefficients at its depth: evaluated
// afresh, or read through the run's memo (kept there when evaluated). A
// written search's own trials seldom come back to a depth and are
// evaluated afresh, unless checks of several ratios share the memo; the
// scans after it, which read the grid's depths, go through it.
enum class Reading { Fresh, ThroughMemo };

class CoefficientMemo {
  public:
    CoefficientMemo(double g, double Rg, double Eg) : g_(g), Rg_(Rg), Eg_(Eg) {}

    // sectionCoefficients(xi, g, Rg, Eg, memory), read as `reading` says.
    [[nodiscard]] SectionCoefficients at(double xi, StressBlockMemory& memory, Reading reading) {
        if (reading == Reading::Fresh) return sectionCoefficients(xi, g_, Rg_, Eg_, memory);
        return evaluate(xi, memory);
    }

    // sectionCoefficients(xi, g, Rg, Eg, memory), from the memo where it
    // holds the depth.
    [[nodiscard]] SectionCoefficients evaluate(double xi, StressBlockMemory& memory) {
        const Key key = keyOf(xi, memory);
        for (const std::size_t i : {key.first, key.second}) {
            if (!filled(i)) continue;
            const Slot& s = slots_[i];
            if (s.xiBits == key.xiBits && (!key.carried || s.betaBits == key.betaBits)) {
                markUsed(key.first, i);
                memory.beta = doubleOfBits(s.betaBits);
                return coefficientsOf(s);
            }
        }
        return evaluateAndKeep(xi, memory, key);
    }

  private:
    // A design's working set, the checks of its ratios included: 112 KB,
    // on the stack of the run. Half of it let the checks of a design whose
    // searches run far beyond xi = 1.5 (high-strength steel near the axis)
    // push out each other's depths and evaluate them again.
    static constexpr int kSlotBits = 11;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

    // Plain fields, left unset until the slot is filled: clearing the whole
    // table would cost a realistic run more than it saves.
    struct Slot {
        std::uint64_t xiBits;
        // Up to 1.5 the factor the evaluation leaves; beyond, the one
        // carried in (and left as it was).
        std::uint64_t betaBits;
        double coefA, coefB, coefC, coefD;
        bool zeroDivisor, pastFullCompression, noBarYields;
    };

    // The two slots a key may take, from two ends of one hash.
    struct Key {
        std::uint64_t xiBits, betaBits;
        bool carried;
        std::size_t first, second;
    };

    static Key keyOf(double xi, const StressBlockMemory& memory) {
        Key key{bitsOf(xi), bitsOf(memory.beta), xi > kStressBlockLimit, 0, 0};
        const std::uint64_t hash =
            (key.xiBits ^ (key.carried ? key.betaBits >> 7 : 0)) * 0x9E3779B97F4A7C15ULL;
        key.first = static_cast<std::size_t>(hash >> (64 - kSlotBits));
        key.second = static_cast<std::size_t>((hash >> 20) & (kSlots - 1));
        return key;
    }

    static SectionCoefficients coefficientsOf(const Slot& s) {
        SectionCoefficients c;
        c.coefA = s.coefA;
        c.coefB = s.coefB;
        c.coefC = s.coefC;
        c.coefD = s.coefD;
        c.zeroDivisor = s.zeroDivisor;
        c.pastFullCompression = s.pastFullCompression;
        c.noBarYields = s.noBarYields;
        return c;
    }

    [[nodiscard]] bool filled(std::size_t i) const { return (filled_[i / 64] >> (i % 64)) & 1; }

    // Which of a key's two slots served it last, by its first slot: a new
    // entry takes an empty slot, or the other one.
    void markUsed(std::size_t first, std::size_t used) {
        const std::uint64_t bit = std::uint64_t{1} << (first % 64);
        secondUsedLast_[first / 64] =
            used == first ? secondUsedLast_[first / 64] & ~bit : secondUsedLast_[first / 64] | bit;
    }

    SectionCoefficients evaluateAndKeep(double xi, StressBlockMemory& memory, const Key& key);

    double g_, Rg_, Eg_;
    std::array<Slot, kSlots> slots_;
    std::array<std::uint64_t, kSlots / 64> filled_{};
    std::array<std::uint64_t, kSlots / 64> secondUsedLast_{};
};

}  // namespace pilaro
