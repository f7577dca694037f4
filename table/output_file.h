// An output file that is written whole or not at all: the rows go to a
// temporary file beside it, which takes the file's name only when every
// row has been written and is on the disk. A link is written through: the
// file it leads to is replaced, and the link stays. An existing file keeps
// its permissions.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "messages/language.h"

namespace pilaro::table {

// Both paths name one existing file (through links or other spellings).
bool sameFile(const std::string& a, const std::string& b);

class OutputFile {
  public:
    // Creates the temporary file; throws messages::MessageError when it
    // cannot, or when the path names something other than a file (a
    // directory, a device). A temporary file that cannot be removed is told
    // on standard error in `language`.
    explicit OutputFile(std::string path, Language language = Language::Chinese);
    // Without commit(), the temporary file is removed.
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    const std::string& temporaryPath() const { return temporaryPath_; }
    // The temporary file, open for writing.
    std::FILE* stream() const { return stream_; }
    // Closes the stream (for a writer that writes the path itself); throws
    // messages::MessageError on failure.
    void closeStream();
    // Starts the disk on what the stream has written so far, without
    // waiting for it, so that commit() has little left to wait for. Throws
    // messages::MessageError, as commit() does, when what the stream holds
    // cannot be written.
    void startWriteBack();

    // Flushes to disk and renames; throws messages::MessageError on failure.
    void commit();

  private:
    std::string path_;  // the file itself, past any links
    std::string temporaryPath_;
    // The stream's buffer, which outlives it.
    std::unique_ptr<char[]> buffer_;
    std::FILE* stream_ = nullptr;
    bool committed_ = false;
    Language language_;
};

}  // namespace pilaro::table
