#include "batch/progress.h"

#include <cstdio>

namespace pilaro::batch {

Progress::Progress(bool toTerminal, std::uint64_t totalBytes)
    : enabled_(toTerminal), totalBytes_(totalBytes) {}

void Progress::update(long rows, std::uint64_t bytesRead) {
    // The clock is read once per 256 rows: a row costs microseconds.
    if (!enabled_ || rows % 256 != 0) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - lastShown_ < std::chrono::milliseconds(200))
        return;
    lastShown_ = now;
    shown_ = true;
    if (totalBytes_ > 0)
        std::fprintf(stderr, "\rpilaro-batch: %ld rows, %3d%%", rows,
                     static_cast<int>(100.0 * static_cast<double>(bytesRead) /
                                      static_cast<double>(totalBytes_)));
    else
        std::fprintf(stderr, "\rpilaro-batch: %ld rows", rows);
    std::fflush(stderr);
}

void Progress::finish() {
    if (shown_) std::fprintf(stderr, "\r\033[K");
    shown_ = false;
}

}  // namespace pilaro::batch
