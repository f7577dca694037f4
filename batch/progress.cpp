#include "batch/progress.h"

#include <cstdio>

#include "messages/batch_messages.h"

namespace pilaro::batch {

Progress::Progress(bool toTerminal, std::uint64_t totalBytes, Language language)
    : enabled_(toTerminal), totalBytes_(totalBytes), language_(language) {}

void Progress::update(long rows, std::uint64_t bytesRead) {
    // The clock is read once per 256 rows: a row costs microseconds.
    if (!enabled_ || rows % 256 != 0) return;
    const Clock::time_point now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - lastShown_ < std::chrono::milliseconds(200))
        return;
    lastShown_ = now;
    shown_ = true;
    const int percent = totalBytes_ > 0 ? static_cast<int>(100.0 * static_cast<double>(bytesRead) /
                                                           static_cast<double>(totalBytes_))
                                        : -1;
    std::fprintf(stderr, "\rpilaro-batch: %s",
                 messages::progressLine(rows, percent).in(language_).c_str());
    std::fflush(stderr);
}

void Progress::finish() {
    if (shown_) std::fprintf(stderr, "\r\033[K");
    shown_ = false;
}

}  // namespace pilaro::batch
