// Runs the built pilaro-batch as a user does, in a scratch folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pilaro::test {

struct BatchRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A fresh, empty folder of its own, removed with the object.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
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
