// pilaro-batch's language: Chinese by default, whatever the locale, in the
// help, the summary and every message; English with --lang en; the output
// files alike in both; a column named as the table's header wrote it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "table/summary_text.h"
#include "tests/batch/batch_process.h"

namespace pilaro::test {
namespace {

// An English locale for the run, which the language must not follow.
class EnglishLocale {
  public:
    EnglishLocale() {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.push_back(value ? std::optional<std::string>(value) : std::nullopt);
            setenv(name, std::string_view(name) == "LANGUAGE" ? "en" : "en_US.UTF-8", 1);
        }
    }
    ~EnglishLocale() {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            if (saved_[i])
                setenv(kNames[i], saved_[i]->c_str(), 1);
            else
                unsetenv(kNames[i]);
        }
    }

  private:
    static constexpr const char* kNames[] = {"LANG", "LC_ALL", "LC_MESSAGES", "LANGUAGE"};
    std::vector<std::optional<std::string>> saved_;
};

const std::string kMembers = std::to_string(table::kMembersShownWhole);

TEST(BatchLanguage, TheHelpIsChineseUnlessEnglishIsAsked) {
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> holds;
    } cases[] = {
        {{"--help"},
         {"用法", "--lang zh|en", "构件超过 " + kMembers + " 个时", "退出状态：\n  0  "}},
        {{"-h", "--lang", "zh"}, {"用法", "退出状态"}},
        {{"--lang", "en", "--help"},
         {"Usage", "Above " + kMembers + " members", "Exit status:\n  0  every row"}},
        {{"--help", "--lang=en"}, {"Usage", "Exit status:"}},
    };
    const EnglishLocale english;
    ScratchFolder folder;
    for (const auto& c : cases) {
        const BatchRun run = runBatch(folder, c.args);
        EXPECT_EQ(run.status, 0) << c.args.front();
        for (const std::string& text : c.holds)
            EXPECT_NE(run.out.find(text), std::string::npos) << text << " in\n" << run.out;
        const bool chinese = c.holds.front() == "用法";
        EXPECT_EQ(run.out.find(chinese ? "Usage" : "用法"), std::string::npos) << run.out;
    }
}

TEST(BatchLanguage, UsageAndFileErrorsSpeakTheLanguage) {
    const struct {
        std::vector<std::string> args;
        const char* chinese;
        const char* english;
    } cases[] = {
        {{}, "缺少输入的荷载组合表 INPUT", "the input table INPUT is missing"},
        {{"in.csv", "--colour"}, "无法识别的参数：--colour", "unexpected arguments: --colour"},
        {{"in.csv", "-o"}, "--output 缺少取值", "--output needs a value"},
        {{"in.csv", "-j", "2", "-j", "3"}, "--jobs 只能给一次", "--jobs is given more than once"},
        {{"in.csv", "--summary", "some"},
         "--summary 的取值 some 无效，可取 auto|all",
         "--summary: some is not one of auto|all"},
        {{"in.csv", "-f", "tsv"},
         "--format 的取值 tsv 无效，可取 csv|json|xlsx\n",
         "--format: tsv is not one of csv|json|xlsx\n"},
        {{"in.csv", "-j", "0"},
         "--jobs 的取值 0 无效，应为 1 到 1024 的整数",
         "--jobs: 0 is not a whole number from 1 to 1024"},
        {{"in.csv", "-j", "2x"}, "--jobs 的取值 2x 无效", "--jobs: 2x is not a whole number"},
        {{"in.csv", "--diagram-format", "png"},
         "--diagram-format 须与 --diagram DIR 同用",
         "--diagram-format needs --diagram DIR"},
        {{"in.csv", "-o", "out.txt"},
         "无法由 out.txt 的扩展名判断格式",
         "cannot tell the format of out.txt"},
        {{"in.csv", "--provide", "0"},
         "--provide 有误：“0”既不是钢筋表中的钢筋（如 24D28），也不是正的面积（cm²）",
         "--provide: \"0\" is neither bars of the bar table such as 24D28 nor a positive area"},
        {{"missing.csv"},
         "无法读取 missing.csv：没有这个文件或目录（No such file or directory）",
         "cannot read missing.csv: No such file or directory"},
        {{"empty.csv"}, "表格没有表头行", "the table has no header row"},
        {{"misspelt.csv"},
         "列名“轴向”不是已知的列名，是否应为“轴向力”？",
         "column \"轴向\" is no known name: did you mean 轴向力?"},
    };
    const EnglishLocale english;
    ScratchFolder folder;
    folder.write("in.csv", "类型,混凝土标号,钢筋等级,轴向力,弯矩,直径,保护层,计算长度\n");
    folder.write("empty.csv", "");
    folder.write("misspelt.csv", "轴向,类型\n");
    for (const auto& c : cases) {
        for (const bool inEnglish : {false, true}) {
            std::vector<std::string> args = c.args;
            if (inEnglish) args.insert(args.begin(), {"--lang", "en"});
            const BatchRun run = runBatch(folder, args);
            const std::string expected =
                std::string("pilaro-batch: ") + (inEnglish ? c.english : c.chinese);
            EXPECT_EQ(run.status, 2) << expected;
            EXPECT_EQ(run.err.find(expected), 0u) << expected << "\nin\n" << run.err;
        }
    }
}

// A row's message names the column as the header wrote it; the summary
// speaks the language; the output file is the same in both.
TEST(BatchLanguage, RowMessagesNameTheColumnAsTheHeaderWroteIt) {
    ScratchFolder folder;
    folder.write("in.csv",
                 "构件,类型,混凝土标号,钢筋等级,轴力(kN),弯矩,截面直径 (m),保护层,计算长度\n"
                 "P1,配筋计算,25号,Ⅱ级,5000kN,3000,1.2,0.05,10\n"
                 "P1,配筋计算,25号,Ⅱ级,5000,3000,,0.05,10\n");
    const struct {
        std::vector<std::string> language;
        std::string err;
        std::string summary;
    } cases[] = {
        {{},
         "pilaro-batch: 第 2 "
         "行：轴力(kN)输入有误：“5000kN”不是一个数。请用小数点，不要加单位或千分位逗号。\n"
         "pilaro-batch: 第 3 行：截面直径 (m)不能为空，请输入截面直径 (m)！\n",
         "构件 P1：2 行\n  无结果：第 2、3 行\n合计：1 个构件，2 行，0 行校核不通过，2 行无结果\n"},
        {{"--lang", "en"},
         "pilaro-batch: row 2, column 轴力(kN): \"5000kN\" is not a number\n"
         "pilaro-batch: row 3, column 截面直径 (m): is empty\n",
         "member P1: 2 rows\n  no result: rows 2, 3\n"
         "total: 1 member, 2 rows, 0 failing checks, 2 rows without a result\n"},
    };
    std::string output;
    for (const auto& c : cases) {
        std::vector<std::string> args = {"in.csv", "-o", "out.csv"};
        args.insert(args.end(), c.language.begin(), c.language.end());
        const BatchRun run = runBatch(folder, args);
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, c.summary);
        const std::string written = folder.read("out.csv");
        // The output's messages name the column by its own names.
        EXPECT_NE(written.find("column 轴向力/Nj: \"\"5000kN\"\" is not a number"),
                  std::string::npos)
            << written;
        if (output.empty()) output = written;
        EXPECT_EQ(written, output);
    }
}

}  // namespace
}  // namespace pilaro::test
