// Runs the built pilaro-batch as a user does, in a scratch folder.
#pragma once

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
};

BatchRun runBatch(const ScratchFolder& folder, const std::vector<std::string>& args,
                  const RunSettings& settings = {});

std::vector<std::string> splitLines(const std::string& text);

}  // namespace pilaro::test
