#include "table/output_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace pilaro::table {

namespace {

std::runtime_error fileError(const std::string& what, const std::string& path) {
    return std::runtime_error(what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {
    std::vector<char> name(path_.begin(), path_.end());
    for (char c : std::string_view(".pilaro-XXXXXX")) name.push_back(c);
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) throw fileError("cannot create a file beside", path_);
    temporaryPath_ = name.data();
    // mkstemp makes the file private; give it the permissions of a new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    stream_ = fdopen(fd, "wb");
    if (!stream_) {
        close(fd);
        unlink(temporaryPath_.c_str());
        throw fileError("cannot write", temporaryPath_);
    }
}

OutputFile::~OutputFile() {
    closeStream();
    if (!committed_) unlink(temporaryPath_.c_str());
}

void OutputFile::closeStream() {
    if (stream_) std::fclose(stream_);
    stream_ = nullptr;
}

void OutputFile::commit() {
    if (stream_) {
        const bool written =
            std::fflush(stream_) == 0 && !std::ferror(stream_) && fsync(fileno(stream_)) == 0;
        const bool closed = std::fclose(stream_) == 0;
        stream_ = nullptr;
        if (!written || !closed) throw fileError("cannot write", path_);
    }
    if (std::rename(temporaryPath_.c_str(), path_.c_str()) != 0)
        throw fileError("cannot write", path_);
    committed_ = true;
}

}  // namespace pilaro::table
