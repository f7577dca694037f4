// The output file: written whole or not at all, through links to the file
// they lead to, keeping an existing file's permissions, and never over
// something that is not a file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <optional>
#include <stdexcept>

#include "table/output_file.h"
#include "tests/support/scratch_folder.h"

namespace pilaro::test {
namespace {

namespace fs = std::filesystem;
using table::OutputFile;

mode_t permissionsOf(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

mode_t newFilePermissions() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

void writeWhole(const std::string& path, const std::string& text) {
    OutputFile file(path);
    ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), file.stream()), text.size());
    file.commit();
}

TEST(OutputFile, ReplacesTheFileALinkLeadsToAndKeepsItsPermissions) {
    const struct Case {
        const char* what;
        // Makes the scene in the folder; gives the path to write.
        std::function<std::string(const ScratchFolder&)> scene;
        const char* written;             // the file that must hold the text
        std::optional<mode_t> mode;      // its permissions; a new file's when none
        std::vector<const char*> links;  // what must still be links
    } cases[] = {
        {"a new file",
         [](auto& f) { return (f.path() / "out.csv").string(); },
         "out.csv",
         std::nullopt,
         {}},
        {"an existing file",
         [](auto& f) {
             f.write("out.csv", "old");
             fs::permissions(f.path() / "out.csv", fs::perms(0640));
             return (f.path() / "out.csv").string();
         },
         "out.csv",
         0640,
         {}},
        {"a link to a file",
         [](auto& f) {
             fs::create_directory(f.path() / "shared");
             f.write("shared/results.csv", "old");
             fs::permissions(f.path() / "shared/results.csv", fs::perms(0604));
             fs::create_symlink("shared/results.csv", f.path() / "out.csv");
             return (f.path() / "out.csv").string();
         },
         "shared/results.csv",
         0604,
         {"out.csv"}},
        {"links to a file not yet written",
         [](auto& f) {
             fs::create_directory(f.path() / "shared");
             fs::create_symlink(f.path() / "shared/results.csv", f.path() / "shared/latest.csv");
             fs::create_symlink("shared/latest.csv", f.path() / "out.csv");
             return (f.path() / "out.csv").string();
         },
         "shared/results.csv",
         std::nullopt,
         {"out.csv", "shared/latest.csv"}},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        const std::string path = c.scene(folder);
        writeWhole(path, "new");
        EXPECT_EQ(folder.read(c.written), "new") << c.what;
        EXPECT_EQ(permissionsOf(folder.path() / c.written), c.mode.value_or(newFilePermissions()))
            << c.what;
        for (const char* link : c.links) EXPECT_TRUE(fs::is_symlink(folder.path() / link)) << link;
        // Nothing else is left beside the files.
        for (const auto& entry : fs::recursive_directory_iterator(folder.path()))
            EXPECT_EQ(entry.path().string().find(".pilaro-"), std::string::npos) << entry.path();
    }
}

TEST(OutputFile, RefusesWhatIsNoFileAndLeavesItAsItWas) {
    const struct Case {
        const char* what;
        std::function<std::string(const ScratchFolder&)> scene;
        const char* message;
    } cases[] = {
        {"a directory",
         [](auto& f) {
             fs::create_directory(f.path() / "out.csv");
             return (f.path() / "out.csv").string();
         },
         "Is a directory"},
        {"a pipe",
         [](auto& f) {
             const fs::path pipe = f.path() / "out.csv";
             EXPECT_EQ(mkfifo(pipe.c_str(), 0600), 0);
             return pipe.string();
         },
         "not a regular file"},
        {"links in a circle",
         [](auto& f) {
             fs::create_symlink("b.csv", f.path() / "a.csv");
             fs::create_symlink("a.csv", f.path() / "b.csv");
             return (f.path() / "a.csv").string();
         },
         "Too many levels of symbolic links"},
        {"a missing folder", [](auto& f) { return (f.path() / "none/out.csv").string(); },
         "No such file or directory"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder;
        const std::string path = c.scene(folder);
        std::size_t before = 0;
        for ([[maybe_unused]] const auto& entry : fs::recursive_directory_iterator(folder.path()))
            ++before;
        try {
            OutputFile file(path);
            ADD_FAILURE() << c.what << " was taken";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.what << ": " << e.what();
        }
        std::size_t after = 0;
        for ([[maybe_unused]] const auto& entry : fs::recursive_directory_iterator(folder.path()))
            ++after;
        EXPECT_EQ(after, before) << c.what;
    }
}

TEST(OutputFile, StartingTheDiskEarlyKeepsEveryByteAndTheOldFileTillCommitted) {
    ScratchFolder folder;
    const std::string path = (folder.path() / "out.csv").string();
    folder.write("out.csv", "old");
    std::string written;
    OutputFile file(path);
    for (int part = 0; part < 3; ++part) {
        // More than the stream holds between two hints, and less.
        const std::string bytes(part == 1 ? 600000 : 1000, static_cast<char>('a' + part));
        std::fputs(bytes.c_str(), file.stream());
        written += bytes;
        file.startWriteBack();
        EXPECT_EQ(folder.read("out.csv"), "old") << part;
    }
    file.commit();
    EXPECT_EQ(folder.read("out.csv"), written);
}

TEST(OutputFile, KeepsTheOldFileUnlessCommittedAndSyncsAFileWrittenByPath) {
    ScratchFolder folder;
    const std::string path = (folder.path() / "out.xlsx").string();
    folder.write("out.xlsx", "old");
    {
        OutputFile file(path);
        std::fputs("half", file.stream());
    }
    EXPECT_EQ(folder.read("out.xlsx"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);

    // A writer that writes the temporary file by its path, as the
    // workbook's does.
    OutputFile file(path);
    file.closeStream();
    std::ofstream(file.temporaryPath(), std::ios::binary) << "new";
    file.commit();
    EXPECT_EQ(folder.read("out.xlsx"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace pilaro::test
