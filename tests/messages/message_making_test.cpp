// How a message is made from its wording: its arguments filled in each
// language, what it quotes, the system's reasons and the lists it names.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "messages/field_messages.h"
#include "messages/file_messages.h"
#include "messages/table_messages.h"
#include "messages/wording.h"

namespace pilaro::test {
namespace {

using namespace pilaro::messages;

TEST(MessageMaking, FillsEachArgumentInItsOwnLanguage) {
    const struct {
        Wording wording;
        std::initializer_list<Message> arguments;
        const char* chinese;
        const char* english;
    } cases[] = {
        {{"第 {1} 行：{2}", "row {1}, {2}"}, {"3", Message("甲", "a")}, "第 3 行：甲", "row 3, a"},
        // Arguments in another order in each language, and one used twice.
        {{"{2}与{1}，{2}", "{1} and {2}"}, {"x", "y"}, "y与x，y", "x and y"},
        // An argument not given stays a placeholder; braces that are no
        // placeholder stay as they are.
        {{"{1}{3}", "{x}{1}"}, {"a"}, "a{3}", "{x}a"},
        {{"{1}", "{1}"}, {}, "{1}", "{1}"},
        {{"{", "}{9"}, {"a"}, "{", "}{9"},
    };
    for (const auto& c : cases) {
        const Message made = fill(c.wording, c.arguments);
        EXPECT_EQ(made.chinese, c.chinese) << c.wording.chinese;
        EXPECT_EQ(made.english, c.english) << c.wording.english;
        EXPECT_EQ(made.in(Language::Chinese), c.chinese);
        EXPECT_EQ(made.in(Language::English), c.english);
    }
}

TEST(MessageMaking, QuotesWhatWasTyped) {
    const std::string forty(40, 'x');
    const struct {
        std::string typed;
        std::string chinese;
        std::string english;
    } cases[] = {
        {"1,2", "“1,2”", "\"1,2\""},
        // The Chinese quote drops the blanks around it, as the field does.
        {" \t5000kN \n", "“5000kN”", "\" \t5000kN \n\""},
        {"", "“”", "\"\""},
        // Cut after 40 characters, never inside one.
        {forty, "“" + forty + "”", "\"" + forty + "\""},
        {forty + "y", "“" + forty + "……”", "\"" + forty + "y\""},
        {std::string(39, 'x') + "轴向力", "“" + std::string(39, 'x') + "轴……”",
         "\"" + std::string(39, 'x') + "轴向力\""},
    };
    for (const auto& c : cases) {
        const Message q = messages::quoted(c.typed);
        EXPECT_EQ(q.chinese, c.chinese) << c.typed;
        EXPECT_EQ(q.english, c.english) << c.typed;
    }
}

// The bar table's diameters are listed in each language's way.
TEST(MessageMaking, ListsTheBarDiametersAnUnknownDiameterMessageNames) {
    const std::string_view diameters[] = {"12", "14", "36"};
    const Message m = fieldMessage(FieldProblem::UnknownBarDiameter,
                                   Message("纵向钢筋面积", "steel area"), "24D30", diameters);
    EXPECT_EQ(
        m.chinese,
        "纵向钢筋面积输入有误：“24D30”中有钢筋表中没有的直径。钢筋直径只能是12、14、36（mm）。");
    EXPECT_EQ(m.english, "steel area: \"24D30\" is not bars of the bar table such as 24D28");
}

TEST(MessageMaking, JoinsNamesAndListsInEachLanguage) {
    EXPECT_EQ(listOf({"直径", Message("保护层", "cover")}).chinese, "直径、保护层");
    EXPECT_EQ(listOf({"直径", Message("保护层", "cover")}).english, "直径, cover");
    EXPECT_EQ(listOf({}).english, "");
    EXPECT_EQ(listOfLists({"a、b", "c"}).chinese, "a、b；c");
    EXPECT_EQ(listOfLists({"a, b", "c"}).english, "a, b; c");
    EXPECT_EQ(withUnit("轴力", "kN").chinese, "轴力（kN）");
    EXPECT_EQ(withUnit("axial force", "kN").english, "axial force (kN)");
    EXPECT_EQ(rowMessage(12, Message("弯矩输入有误", "column 弯矩: bad")).chinese,
              "第 12 行：弯矩输入有误");
    EXPECT_EQ(rowMessage(12, Message("弯矩输入有误", "column 弯矩: bad")).english,
              "row 12, column 弯矩: bad");
    EXPECT_EQ(inColumn(Message("甲", "x: bad")).english, "column x: bad");
    EXPECT_EQ(inColumn(Message("甲", "x: bad")).chinese, "甲");
}

// The reasons a user of files meets are told in Chinese with the system's
// own words beside them; any other in the system's words alone.
TEST(MessageMaking, TellsTheSystemsReasonInChinese) {
    const struct {
        int error;
        const char* chinese;
        const char* english;
    } cases[] = {
        {ENOSPC, "磁盘已满（No space left on device）", "No space left on device"},
        {ENOENT, "没有这个文件或目录（No such file or directory）", "No such file or directory"},
        {EACCES, "没有权限（Permission denied）", "Permission denied"},
        {EROFS, "文件系统只读（Read-only file system）", "Read-only file system"},
        {EXDEV, "Invalid cross-device link", "Invalid cross-device link"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(systemReason(c.error).chinese, c.chinese) << c.error;
        EXPECT_EQ(systemReason(c.error).english, c.english) << c.error;
    }
    const Message full = fileMessage(FileProblem::CannotWrite, {"out.csv", systemReason(ENOSPC)});
    EXPECT_EQ(full.chinese, "无法写入 out.csv：磁盘已满（No space left on device）");
    EXPECT_EQ(full.english, "cannot write out.csv: No space left on device");
}

// A stopped reading carries both languages; what() is the English.
TEST(MessageMaking, AnErrorCarriesBothLanguages) {
    try {
        throw tableError(TableProblem::UnclosedQuote, {"7"});
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "line 7: a quoted cell is never closed");
        const auto* error = dynamic_cast<const MessageError*>(&e);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->message().chinese, "第 7 行：引号中的单元格没有结束的引号");
    }
}

}  // namespace
}  // namespace pilaro::test
