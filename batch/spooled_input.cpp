#include "batch/spooled_input.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "messages/file_messages.h"
#include "messages/table_messages.h"
#include "table/file_kind.h"

namespace pilaro::batch {

namespace {

std::string temporaryFolder() {
    const char* set = std::getenv("TMPDIR");
    return set != nullptr && *set != '\0' ? set : "/tmp";
}

[[noreturn]] void cannotKeep(const std::string& folder, int error) {
    throw messages::fileError(messages::FileProblem::CannotKeepStandardInput,
                              {folder, messages::systemReason(error)});
}

bool writeAll(int descriptor, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(descriptor, bytes, count);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

SpooledInput::SpooledInput(std::istream& in) {
    const std::string folder = temporaryFolder();
    std::string name = (std::filesystem::path(folder) / "pilaro-input-XXXXXX").string();
    descriptor_ = ::mkstemp(name.data());
    if (descriptor_ < 0) cannotKeep(folder, errno);
    // Out of the folder at once: nothing is left behind whatever ends the run.
    ::unlink(name.c_str());
    path_ = "/proc/self/fd/" + std::to_string(descriptor_);

    try {
        constexpr std::size_t kChunk = std::size_t{1} << 20;
        std::vector<char> chunk(kChunk);
        while (in) {
            in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            const auto count = static_cast<std::size_t>(in.gcount());
            if (head_.size() < table::kFileKindBytes)
                head_.append(chunk.data(), std::min(count, table::kFileKindBytes - head_.size()));
            if (!writeAll(descriptor_, chunk.data(), count)) cannotKeep(folder, errno);
        }
        if (in.bad()) throw messages::tableError(messages::TableProblem::InputUnreadable, {});
    } catch (...) {
        ::close(descriptor_);
        throw;
    }
}

SpooledInput::~SpooledInput() {
    if (descriptor_ >= 0) ::close(descriptor_);
}

}  // namespace pilaro::batch
