// A C stream that writes into memory, for the writers of table/ that write
// to a FILE: what they write is had back as bytes.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>

namespace pilaro::web {

class MemoryFile {
  public:
    MemoryFile() : stream_(open_memstream(&data_, &size_)) {
        if (!stream_) throw std::bad_alloc();
    }
    ~MemoryFile() {
        std::fclose(stream_);
        std::free(data_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    [[nodiscard]] std::FILE* stream() const { return stream_; }

    // Everything written so far.
    [[nodiscard]] std::string bytes() {
        std::fflush(stream_);
        return std::string(data_, size_);
    }

  private:
    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* stream_;
};

}  // namespace pilaro::web
