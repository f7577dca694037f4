// pilaro-batch on several threads writes what it writes on one: the same
// output, row for row in the table's order, in every format, and the same
// summary, messages and exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "tests/batch/batch_process.h"

namespace pilaro::test {
namespace {

// The workbook's properties without the times in them ("2026-12-07T22:09:19Z"
// between a dcterms tag and its end).
std::string withoutTimes(std::string text) {
    const std::string before = "W3CDTF\">";
    for (std::size_t at = text.find(before); at != std::string::npos;
         at = text.find(before, at + 1)) {
        const std::size_t start = at + before.size();
        text.erase(start, text.find('<', start) - start);
    }
    return text;
}

// Every part of a workbook, by name; the times the workbook was made at
// (which differ between any two runs) left out.
std::map<std::string, std::string> workbookParts(const ScratchFolder& folder,
                                                 const std::string& name) {
    const std::filesystem::path into = folder.path() / (name + ".parts");
    const std::string unzip =
        "unzip -q -o '" + (folder.path() / name).string() + "' -d '" + into.string() + "'";
    EXPECT_EQ(std::system(unzip.c_str()), 0) << name;
    std::map<std::string, std::string> parts;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(into)) {
        if (!entry.is_regular_file()) continue;
        const std::string part = std::filesystem::relative(entry.path(), into).string();
        std::string text = folder.read(name + ".parts/" + part);
        if (part == "docProps/core.xml") text = withoutTimes(text);
        parts[part] = text;
    }
    return parts;
}

// Runs the table with --jobs 1 and --jobs 4 into each format, and expects
// the same of both.
void expectTheSameOnOneAndFourThreads(const std::string& table) {
    for (const std::string name : {"out.csv", "out.jsonl", "out.xlsx"}) {
        ScratchFolder folder;
        folder.write("in.csv", table);
        const BatchRun one = runBatch(folder, {"in.csv", "-o", "one-" + name, "--jobs", "1"});
        const BatchRun four = runBatch(folder, {"in.csv", "-o", "four-" + name, "--jobs", "4"});
        EXPECT_EQ(one.status, four.status) << name;
        EXPECT_EQ(one.out, four.out) << name;  // the summary
        EXPECT_EQ(one.err, four.err) << name;  // the rows' errors
        EXPECT_FALSE(one.out.empty()) << name;
        if (name == "out.xlsx")
            EXPECT_EQ(workbookParts(folder, "one-" + name), workbookParts(folder, "four-" + name));
        else
            EXPECT_EQ(folder.read("one-" + name), folder.read("four-" + name)) << name;
    }
}

// The example tables, in UTF-8 and as a spreadsheet saves them in GB18030.
TEST(BatchJobs, TheExampleTablesComeOutTheSame) {
    for (const char* name : {"/pier_load_cases.csv", "/pier_load_cases_gb18030.csv"}) {
        SCOPED_TRACE(name);
        std::ifstream in(std::string(PILARO_EXAMPLES) + name, std::ios::binary);
        std::ostringstream table;
        table << in.rdbuf();
        ASSERT_GT(table.str().size(), 100u);
        expectTheSameOnOneAndFourThreads(table.str());
    }
}

// 2,000 rows of many members: designs and checks, near the axis and far
// from it, some that stop (too slender, too small) and one in ten with an
// input error.
TEST(BatchJobs, ATableOfTwoThousandRowsWithErrorsComesOutTheSame) {
    const std::string errors[] = {"5000,3000,\"1,2\",0.05,10,,", "5000kN,3000,1.2,0.05,10,,",
                                  ",3000,1.2,0.05,10,,", "5000,3000,1.2,0.05,10,,24D30",
                                  "5000,3000,1.2,0.05,10,45,24D28"};
    std::mt19937 random(2026);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string table =
        "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n";
    for (int i = 0; i < 2000; ++i) {
        // Appended, not a literal prepended: gcc 12 at -O3 warns falsely
        // (-Wrestrict) about the latter.
        const std::string head = std::string("r").append(std::to_string(i)) + ",P" +
                                 std::to_string(i % 37) +
                                 (i % 2 == 0 ? ",配筋计算," : ",强度校核,") +
                                 std::to_string(20 + 5 * pick(4)) + "号,Ⅱ级,";
        if (i % 10 == 7) {
            table += head + errors[pick(5)] + "\n";
            continue;
        }
        const double D = 0.8 + 0.2 * pick(7);
        const int Nj = 500 + pick(40000);
        const double e = pick(3) == 0 ? 0.0 : 0.001 * pick(600);  // e0 / D
        const std::string bars =
            i % 2 == 0 ? "," : std::string(",").append(std::to_string(12 + pick(30))) + "D28";
        table += head + std::to_string(Nj) + "," + std::to_string(std::round(Nj * e * D)) + "," +
                 std::to_string(D) + ",0.06," + std::to_string(2 + pick(30)) + "," + bars + "\n";
    }
    expectTheSameOnOneAndFourThreads(table);
}

// A table that stops being readable part way (a quote never closed, a
// record of over a megabyte) is refused at the same place on any number
// of threads, and every row read before it reaches standard output first,
// in order.
TEST(BatchJobs, ATableThatStopsBeingReadableGivesEveryRowBeforeIt) {
    std::string rows =
        "名称,构件,类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度,钢筋面积,钢筋\n";
    for (int i = 0; i < 1000; ++i)
        rows += "r" + std::to_string(i) + ",P1,配筋计算,25号,Ⅱ级," + std::to_string(3000 + i) +
                ",1200,1.2,0.05,10,,\n";
    const std::string endings[] = {"r,P1,\"配筋计算,25号\n", "r,P1,\"" + std::string(1100000, 'x')};
    for (const std::string& ending : endings) {
        ScratchFolder folder;
        folder.write("in.csv", rows + ending);
        const BatchRun one = runBatch(folder, {"in.csv", "--jobs", "1", "-q"});
        const BatchRun four = runBatch(folder, {"in.csv", "--jobs", "4", "-q"});
        EXPECT_EQ(one.status, 2);  // the table's own fault, as a file that cannot be read
        EXPECT_EQ(four.status, 2);
        EXPECT_EQ(one.err, four.err);
        EXPECT_FALSE(one.err.empty());
        EXPECT_EQ(one.out, four.out);
        // The header and the 1,000 rows, each one line.
        const std::vector<std::string> lines = splitLines(one.out);
        ASSERT_EQ(lines.size(), 1001u);
        EXPECT_TRUE(lines.back().starts_with("r999,P1,")) << lines.back();
    }
}

}  // namespace
}  // namespace pilaro::test
