// Standard input kept in a temporary file for the run. Reading a table
// takes its text twice, once to decide the encoding and once for the
// rows, and a pipe cannot go back: kept in a file, a table from a pipe
// takes no more memory than the same table read from a file. The file is
// taken out of its folder as soon as it is made, so that it goes with the
// process however the run ends (even kill -9); it is read through the
// descriptor the run holds.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

namespace pilaro::batch {

class SpooledInput {
  public:
    // Copies `in` to its end into a new file in the temporary folder
    // ($TMPDIR, else /tmp). Throws messages::MessageError when the file
    // cannot be made or written (a full disk says so), or `in` cannot be
    // read.
    explicit SpooledInput(std::istream& in);
    ~SpooledInput();
    SpooledInput(const SpooledInput&) = delete;
    SpooledInput& operator=(const SpooledInput&) = delete;

    // A name that opens the kept bytes from their start, each time anew.
    [[nodiscard]] const std::string& path() const { return path_; }
    // The first bytes, by which the kind of file is told.
    [[nodiscard]] const std::string& head() const { return head_; }

  private:
    int descriptor_ = -1;
    std::string path_;
    std::string head_;
};

}  // namespace pilaro::batch
