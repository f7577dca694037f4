#include "table/temporary_files.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <random>

namespace pilaro::table {

namespace {

// A run writes its output and, with --diagram, one picture or figures file
// at a time: a few slots are plenty.
constexpr std::size_t kSlots = 16;
constexpr std::size_t kLongestPath = 4096;

struct Slot {
    std::atomic<bool> used{false};
    char path[kLongestPath]{};
};

std::array<Slot, kSlots>& slots() {
    static std::array<Slot, kSlots> list;
    return list;
}

std::mutex& listing() {
    static std::mutex m;
    return m;
}

extern "C" void removeAndEnd(int signal) {
    removeTemporaryFiles();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

constexpr std::string_view kMarker = ".pilaro-";
constexpr std::size_t kRandomLength = 6;  // mkstemp's XXXXXX

bool isMkstempCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The process id in a temporary file's name for the output named `stem`;
// 0 when the name is no such file.
pid_t writerOf(std::string_view name, std::string_view stem) {
    if (!name.starts_with(stem) || !name.substr(stem.size()).starts_with(kMarker)) return 0;
    const std::string_view rest = name.substr(stem.size() + kMarker.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), pid);
    if (error != std::errc() || pid <= 0) return 0;
    const std::string_view random(end, static_cast<std::size_t>(rest.data() + rest.size() - end));
    if (random.size() != kRandomLength + 1 || random[0] != '-') return 0;
    for (char c : random.substr(1))
        if (!isMkstempCharacter(c)) return 0;
    return pid;
}

}  // namespace

bool listTemporaryFile(const std::string& path) {
    if (path.size() >= kLongestPath) return false;
    const std::lock_guard<std::mutex> lock(listing());
    for (Slot& slot : slots()) {
        if (slot.used.load()) continue;
        std::memcpy(slot.path, path.c_str(), path.size() + 1);
        slot.used.store(true);
        return true;
    }
    return false;
}

void unlistTemporaryFile(const std::string& path) {
    const std::lock_guard<std::mutex> lock(listing());
    for (Slot& slot : slots())
        if (slot.used.load() && path == slot.path) slot.used.store(false);
}

void removeTemporaryFiles() noexcept {
    for (Slot& slot : slots())
        if (slot.used.load()) unlink(slot.path);
}

void removeTemporaryFilesOnSignals() {
    struct sigaction action {};
    action.sa_handler = removeAndEnd;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

void removeStaleTemporaryFiles(const std::string& path) {
    const std::filesystem::path output(path);
    const std::filesystem::path folder =
        output.parent_path().empty() ? std::filesystem::path(".") : output.parent_path();
    const std::string stem = output.filename().string();
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const pid_t pid = writerOf(it->path().filename().string(), stem);
        if (pid == 0 || pid == getpid()) continue;
        // A process that no longer exists; one that exists, or is not
        // ours to ask about, may still be writing.
        if (kill(pid, 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        if (std::filesystem::is_regular_file(it->symlink_status(ignored)))
            std::filesystem::remove(it->path(), ignored);
    }
}

int createListedTemporaryFile(const std::string& path, std::string& created) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    const std::string stem = path + std::string(kMarker) + std::to_string(getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = stem;
        for (std::size_t i = 0; i < kRandomLength; ++i) name += kLetters[pick(device)];
        if (!listTemporaryFile(name)) {
            errno = ENAMETOOLONG;
            return -1;
        }
        const int fd = open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            created = std::move(name);
            return fd;
        }
        const int error = errno;
        unlistTemporaryFile(name);
        errno = error;
        if (error != EEXIST) return -1;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace pilaro::table
