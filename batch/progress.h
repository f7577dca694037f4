// A one-line progress indicator on standard error, shown only when it is
// a terminal and the run has taken more than about a second.
#pragma once

#include <chrono>
#include <cstdint>

#include "messages/language.h"

namespace pilaro::batch {

class Progress {
  public:
    // `totalBytes` is the input's size, or 0 when it is not known (a pipe).
    Progress(bool toTerminal, std::uint64_t totalBytes, Language language);

    void update(long rows, std::uint64_t bytesRead);
    // Clears the line, so that what follows starts at its beginning.
    void finish();

  private:
    using Clock = std::chrono::steady_clock;

    bool enabled_;
    bool shown_ = false;
    std::uint64_t totalBytes_;
    Language language_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastShown_ = start_;
};

}  // namespace pilaro::batch
