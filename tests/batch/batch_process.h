// Runs the built pilaro-batch as a user does, in a scratch folder.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace pilaro::test {

struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

struct RunSettings {
    std::string standardInput = "/dev/null";  // a file of the folder, or this
    // Above 0, what the program may write to one file, in bytes: writing
    // beyond it fails as on a full disk.
    long fileSizeLimit = 0;
    // Where standard output goes instead of being kept ("/dev/full"), and
    // whether it is a pipe that nobody reads, closed before the program
    // starts.
    std::string standardOutput = {};
    bool closedPipeOut = false;
    // The program's $TMPDIR, where it keeps standard input, when not empty.
    std::string temporaryFolder = {};
};

BatchRun runBatch(const ScratchFolder& folder, const std::vector<std::string>& args,
                  const RunSettings& settings = {});

// The same in two steps: the program started, and what it gave once it
// has ended.
pid_t startBatch(const ScratchFolder& folder, const std::vector<std::string>& args,
                 const RunSettings& settings = {});
BatchRun waitForBatch(const ScratchFolder& folder, pid_t child);

std::vector<std::string> splitLines(const std::string& text);

}  // namespace pilaro::test
