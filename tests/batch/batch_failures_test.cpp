// pilaro-batch failing loudly and cleanly: exit statuses a script can
// use, outputs that a parser reads whole, a summary that is part of the
// run, no temporary file left by an interrupted run.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "tests/batch/batch_process.h"

namespace pilaro::test {
namespace {

using nlohmann::json;

const std::string kHeader =
    "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n";
const std::string kDesign = "d,P1,配筋计算,25号,Ⅱ级,5000,3000,1.2,0.05,10,,\n";
const std::string kPasses = "c,P1,强度校核,25号,Ⅱ级,5000,1500,1.2,0.05,10,45.239,\n";
const std::string kFails = "f,P1,强度校核,25号,Ⅱ级,8000,3000,1.2,0.05,10,,24D28\n";
const std::string kUnreadable = "e,P1,配筋计算,25号,Ⅱ级,5000kN,3000,1.2,0.05,10,,\n";
const std::string kTooSmall = "s,P1,配筋计算,25号,Ⅱ级,900000,0,1.2,0.05,10,,\n";
const std::string kCannotRun = "z,P1,配筋计算,25号,Ⅱ级,5000,3000,0,0.05,10,,\n";

std::size_t filesIn(const ScratchFolder& folder) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(folder.path()), {}));
}

TEST(BatchFailures, ExitStatusesTellFailingChecksFromUnreadableRows) {
    const struct {
        std::string rows;
        int status;
    } cases[] = {
        {kDesign + kPasses, 0},
        {kDesign + kFails, 1},
        {kDesign + kTooSmall, 1},  // a design that needs a larger section
        {kDesign + kUnreadable, 3},
        {kDesign + kCannotRun, 3},
        {kFails + kUnreadable, 3},  // 3 wins over 1
        {kFails + kTooSmall + kCannotRun, 3},
    };
    for (const auto& c : cases) {
        ScratchFolder folder;
        folder.write("in.csv", kHeader + c.rows);
        EXPECT_EQ(runBatch(folder, {"in.csv", "-o", "out.csv"}).status, c.status) << c.rows;
    }
    ScratchFolder folder;
    EXPECT_EQ(runBatch(folder, {"missing.csv"}).status, 2);
    // The help gives the table.
    const BatchRun help = runBatch(folder, {"--help", "--lang", "en"});
    EXPECT_NE(help.out.find("  3  some row could not be read or run"), std::string::npos)
        << help.out;
}

TEST(BatchFailures, JsonIsOneDocumentAndExtensionsAreReadInAnyCase) {
    ScratchFolder folder;
    folder.write("in.csv", kHeader + kDesign + kUnreadable);
    for (const char* name : {"R.json", "R.JSON", "R.Json"}) {
        ASSERT_EQ(runBatch(folder, {"in.csv", "-o", name}).status, 3);
        const json rows = json::parse(folder.read(name));  // whole, or it throws
        ASSERT_TRUE(rows.is_array()) << name;
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0]["errors"], json::array());
        EXPECT_EQ(rows[1]["errors"], json::array({"column 轴向力/Nj: \"5000kN\" is not a number"}));
    }
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "R.JSONL"}).status, 3);
    const std::vector<std::string> lines = splitLines(folder.read("R.JSONL"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(json::parse(lines[1])["errors"].is_array());
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "R.CSV"}).status, 3);
    EXPECT_TRUE(folder.read("R.CSV").starts_with("\xEF\xBB\xBFname,"));
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "R.XLSX"}).status, 3);
    EXPECT_TRUE(folder.read("R.XLSX").starts_with("PK"));
    EXPECT_EQ(runBatch(folder, {"in.csv", "-o", "R.json", "-f", "json"}).status, 3);
    EXPECT_EQ(runBatch(folder, {"in.csv", "-o", "R.json", "-f", "csv"}).status, 2);
}

TEST(BatchFailures, TheSummaryIsPartOfTheRun) {
    ScratchFolder folder;
    folder.write("in.csv", kHeader + kDesign + kUnreadable);
    // A summary that cannot be written fails the run.
    const BatchRun full = runBatch(folder, {"in.csv", "-o", "out.csv", "--lang", "en"},
                                   {.standardOutput = "/dev/full"});
    EXPECT_EQ(full.status, 2);
    EXPECT_NE(full.err.find("cannot write the summary (standard output): No space left on device"),
              std::string::npos)
        << full.err;
    const BatchRun pipe = runBatch(folder, {"in.csv", "-o", "out.csv"}, {.closedPipeOut = true});
    EXPECT_EQ(pipe.status, 2);
    EXPECT_NE(pipe.err.find("无法写入 汇总（标准输出）：管道已关闭（Broken pipe）"),
              std::string::npos)
        << pipe.err;
    // Results that cannot be written name where and why.
    const BatchRun results = runBatch(folder, {"in.csv"}, {.standardOutput = "/dev/full"});
    EXPECT_EQ(results.status, 2);
    EXPECT_NE(results.err.find("无法写入 标准输出：磁盘已满（No space left on device）"),
              std::string::npos)
        << results.err;

    // No summary, or nothing but the errors.
    const BatchRun none = runBatch(folder, {"in.csv", "-o", "out.csv", "--summary", "none"});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.out, "");
    EXPECT_NE(none.err.find("第 3 行：轴向力输入有误"), std::string::npos);
    const BatchRun quiet = runBatch(folder, {"in.csv", "--quiet"});
    EXPECT_EQ(quiet.status, 3);
    EXPECT_EQ(quiet.err,
              "pilaro-batch: 第 3 行：轴向力输入有误：“5000kN”不是一个数。请用小数点，"
              "不要加单位或千分位逗号。\n");
    EXPECT_TRUE(quiet.out.starts_with("\xEF\xBB\xBFname,"));
}

// A full disk names the file and the reason; the workbook library's own
// lines never reach the user.
TEST(BatchFailures, AFailedWriteNamesTheFileAndTheReason) {
    std::string table = kHeader;
    for (int i = 0; i < 2000; ++i) table += kDesign;
    for (const char* name : {"out.csv", "out.json", "out.xlsx"}) {
        ScratchFolder folder;
        folder.write("in.csv", table);
        const BatchRun run = runBatch(folder, {"in.csv", "-o", name}, {.fileSizeLimit = 100000});
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.err.find(std::string("pilaro-batch: 无法写入 ") + name + "："), 0u)
            << run.err;
        EXPECT_EQ(run.err.find("[ERROR]"), std::string::npos) << run.err;
        EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
    }
}

// A table long enough that a run takes a while.
std::string longTable() {
    std::string table = kHeader;
    for (int i = 0; i < 60000; ++i) table += kDesign;
    return table;
}

bool hasTemporaryFile(const ScratchFolder& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        if (entry.path().filename().string().find(".pilaro-") != std::string::npos) return true;
    return false;
}

// Standard input is kept in a file of the temporary folder, not in
// memory; the file is gone when the run ends, and a folder that cannot
// keep it stops the run with where and why.
TEST(BatchFailures, StandardInputIsKeptInATemporaryFileThatGoesWithTheRun) {
    std::string table = kHeader;
    for (int i = 0; i < 2000; ++i) table += kDesign;
    ScratchFolder folder;
    folder.write("in.csv", table);
    std::filesystem::create_directory(folder.path() / "tmp");
    const std::string input = folder.path() / "in.csv";
    const std::string tmp = folder.path() / "tmp";

    const BatchRun kept =
        runBatch(folder, {"-", "-o", "out.csv"}, {.standardInput = input, .temporaryFolder = tmp});
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(splitLines(folder.read("out.csv")).size(), 2001u);
    EXPECT_TRUE(std::filesystem::is_empty(tmp));
    // The same rows as from the file itself.
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "from-file.csv"}).status, 0);
    EXPECT_EQ(folder.read("out.csv"), folder.read("from-file.csv"));

    // Killed while it runs, nothing is left in the folder either.
    std::string longer = kHeader;
    for (int i = 0; i < 60000; ++i) longer += kDesign;
    folder.write("long.csv", longer);
    const pid_t child =
        startBatch(folder, {"-", "-o", "long-out.csv", "-j", "1"},
                   {.standardInput = folder.path() / "long.csv", .temporaryFolder = tmp});
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!hasTemporaryFile(folder) && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    kill(child, SIGKILL);
    waitForBatch(folder, child);
    EXPECT_TRUE(std::filesystem::is_empty(tmp));

    const struct {
        std::string folder;
        long fileSizeLimit;
        std::string message;
    } refusals[] = {
        {tmp + "/missing", 0,
         "pilaro-batch: 无法在 " + tmp + "/missing 中暂存标准输入：没有这个文件或目录"},
        {tmp, 100000, "pilaro-batch: 无法在 " + tmp + " 中暂存标准输入："},
    };
    for (const auto& r : refusals) {
        const BatchRun run = runBatch(folder, {"-", "-o", "refused.csv"},
                                      {.standardInput = input,
                                       .fileSizeLimit = r.fileSizeLimit,
                                       .temporaryFolder = r.folder});
        EXPECT_EQ(run.status, 2) << run.err;
        EXPECT_EQ(run.err.find(r.message), 0u) << run.err;
        EXPECT_EQ(splitLines(run.err).size(), 1u) << run.err;
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "refused.csv"));
        EXPECT_TRUE(std::filesystem::is_empty(tmp));
    }
}

TEST(BatchFailures, AnInterruptedRunLeavesNoTemporaryFileAndTheOldOutput) {
    const std::string table = longTable();
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ScratchFolder folder;
        folder.write("in.csv", table);
        folder.write("out.csv", "old");
        const pid_t child = startBatch(folder, {"in.csv", "-o", "out.csv", "-j", "1"});
        // Interrupted while it writes its temporary file.
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!hasTemporaryFile(folder) && std::chrono::steady_clock::now() < giveUp)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        ASSERT_TRUE(hasTemporaryFile(folder)) << signal;
        kill(child, signal);
        const BatchRun run = waitForBatch(folder, child);
        EXPECT_EQ(run.status, 128 + signal) << run.err;
        EXPECT_FALSE(hasTemporaryFile(folder)) << signal;
        EXPECT_EQ(folder.read("out.csv"), "old");
        EXPECT_EQ(filesIn(folder), 2u);
    }
}

// The id of a process that has ended.
pid_t endedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

TEST(BatchFailures, ARunRemovesTheStaleTemporaryFilesOfItsOutputOnly) {
    ScratchFolder folder;
    folder.write("in.csv", kHeader + kDesign);
    const std::string dead = std::to_string(endedProcess());
    const std::string alive = std::to_string(getppid());
    const struct {
        std::string name;
        bool removed;
    } files[] = {
        {"out.csv.pilaro-" + dead + "-AbC123", true},     // killed while writing out.csv
        {"out.csv.pilaro-" + alive + "-AbC123", false},   // a run still going
        {"other.csv.pilaro-" + dead + "-AbC123", false},  // another output's
        {"out.csv.pilaro-" + dead + "-AbC1234", false},   // not a name of ours
        {"out.csv.pilaro-AbC123", false},
    };
    for (const auto& f : files) folder.write(f.name, "stale");
    ASSERT_EQ(runBatch(folder, {"in.csv", "-o", "out.csv"}).status, 0);
    for (const auto& f : files)
        EXPECT_EQ(std::filesystem::exists(folder.path() / f.name), !f.removed) << f.name;
}

}  // namespace
}  // namespace pilaro::test
