#include "table/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "messages/file_messages.h"
#include "table/temporary_files.h"

namespace pilaro::table {

namespace {

constexpr std::size_t kStreamBufferBytes = std::size_t{1} << 18;

// As many links as the system itself follows in one path.
constexpr int kMostLinks = 40;

using messages::FileProblem;
using messages::MessageError;

MessageError fileError(FileProblem problem, const std::string& path, int error) {
    return messages::fileError(problem, {path, messages::systemReason(error)});
}

MessageError fileError(FileProblem problem, const std::string& path) {
    return fileError(problem, path, errno);
}

// The path of the file that `path` leads to through its links, which may
// not exist yet; `path` itself when it is no link.
std::string followLinks(const std::string& path) {
    std::filesystem::path at(path);
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat info {};
        if (lstat(at.c_str(), &info) != 0) {
            if (errno == ENOENT) return at.string();
            throw fileError(FileProblem::CannotWrite, path);
        }
        if (!S_ISLNK(info.st_mode)) return at.string();
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(at, error);
        if (error) throw fileError(FileProblem::CannotWrite, path, error.value());
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    throw fileError(FileProblem::CannotWrite, path, ELOOP);
}

// The permissions the file is to have: those of the file it replaces, or
// those of a new file.
mode_t permissionsFor(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) throw fileError(FileProblem::CannotWrite, path, EISDIR);
        if (!S_ISREG(info.st_mode)) throw messages::fileError(FileProblem::NotARegularFile, {path});
        return info.st_mode & 07777;
    }
    if (errno != ENOENT) throw fileError(FileProblem::CannotWrite, path);
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Brings what was written to a file by its path onto the disk.
void syncPath(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw fileError(FileProblem::CannotWrite, path);
    const bool synced = fsync(fd) == 0;
    const int syncError = errno;
    if (close(fd) != 0 || !synced)
        throw fileError(FileProblem::CannotWrite, path, synced ? errno : syncError);
}

// Brings a rename in `path`'s folder onto the disk, so that a crash soon
// after the run leaves the new file under its name, not the old one. A file
// system that cannot sync a folder (EINVAL) keeps the rename as it can.
void syncFolderOf(const std::string& path) {
    // Chosen, not assigned over: gcc 12 at -O3 warns falsely (-Wrestrict)
    // about a short literal assigned to the string.
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw fileError(FileProblem::CannotWrite, path);
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    const int syncError = errno;
    if (close(fd) != 0 || !synced)
        throw fileError(FileProblem::CannotWrite, path, synced ? errno : syncError);
}

}  // namespace

bool sameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

OutputFile::OutputFile(std::string path, Language language)
    : path_(followLinks(path)), language_(language) {
    const mode_t permissions = permissionsFor(path_);
    removeStaleTemporaryFiles(path_);
    // Listed before it exists, so that an interruption at any moment after
    // its creation removes it.
    const int fd = createListedTemporaryFile(path_, temporaryPath_);
    if (fd < 0) throw fileError(FileProblem::CannotCreateBeside, path_);
    // Created private to its owner, it takes the permissions it is to have.
    if (fchmod(fd, permissions) != 0 || !(stream_ = fdopen(fd, "wb"))) {
        const int error = errno;
        close(fd);
        unlink(temporaryPath_.c_str());
        unlistTemporaryFile(temporaryPath_);
        throw fileError(FileProblem::CannotWrite, temporaryPath_, error);
    }
    // A table's output runs to megabytes: written a disk block at a time,
    // the system calls would cost a run more than the writing itself.
    buffer_ = std::make_unique<char[]>(kStreamBufferBytes);
    std::setvbuf(stream_, buffer_.get(), _IOFBF, kStreamBufferBytes);
}

OutputFile::~OutputFile() {
    // The file is given up: what its stream still holds does not matter.
    if (stream_) std::fclose(stream_);
    const bool removed = committed_ || unlink(temporaryPath_.c_str()) == 0 || errno == ENOENT;
    const int error = errno;
    unlistTemporaryFile(temporaryPath_);
    if (!removed) {
        const messages::Message problem = messages::fileMessage(
            FileProblem::CannotRemove, {temporaryPath_, messages::systemReason(error)});
        std::fprintf(stderr, "%s: %s\n", program_invocation_short_name,
                     problem.in(language_).c_str());
    }
}

void OutputFile::closeStream() {
    if (!stream_) return;
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (!closed) throw fileError(FileProblem::CannotWrite, temporaryPath_);
}

void OutputFile::startWriteBack() {
    if (!stream_) return;
    if (std::fflush(stream_) != 0) throw fileError(FileProblem::CannotWrite, path_, errno);
    // Only a hint to the system: the sync of commit() is what counts.
    sync_file_range(fileno(stream_), 0, 0, SYNC_FILE_RANGE_WRITE);
}

void OutputFile::commit() {
    if (stream_) {
        const bool written =
            std::fflush(stream_) == 0 && !std::ferror(stream_) && fsync(fileno(stream_)) == 0;
        const int writeError = errno;
        const bool closed = std::fclose(stream_) == 0;
        stream_ = nullptr;
        if (!written || !closed)
            throw fileError(FileProblem::CannotWrite, path_, written ? errno : writeError);
    } else {
        syncPath(temporaryPath_);
    }
    if (std::rename(temporaryPath_.c_str(), path_.c_str()) != 0)
        throw fileError(FileProblem::CannotWrite, path_);
    committed_ = true;
    unlistTemporaryFile(temporaryPath_);
    syncFolderOf(path_);
}

}  // namespace pilaro::table
