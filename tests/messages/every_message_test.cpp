// Every message of the home, by its key: both languages written, the
// Chinese one in Chinese, and no key past the last that this test knows,
// so that a message added is a message tested.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "messages/batch_messages.h"
#include "messages/diagram_words.h"
#include "messages/field_messages.h"
#include "messages/file_messages.h"
#include "messages/form_messages.h"
#include "messages/jtg3362_messages.h"
#include "messages/method_words.h"
#include "messages/program_help.h"
#include "messages/run_messages.h"
#include "messages/sheet_messages.h"
#include "messages/table_messages.h"

namespace pilaro::test {
namespace {

using namespace pilaro::messages;

// A character of the CJK blocks or of the full-width forms.
bool holdsChinese(std::string_view text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const auto next = static_cast<unsigned char>(text[i + 1]);
        // U+2E80 to U+9FFF: E2 BA 80 to E9 BF BF.
        if ((lead == 0xE2 && next >= 0xBA) || (lead >= 0xE3 && lead <= 0xE9)) return true;
    }
    return false;
}

// Every {n} is a digit between braces.
bool placeholdersWellFormed(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '{') continue;
        if (i + 2 >= text.size() || text[i + 1] < '1' || text[i + 1] > '9' || text[i + 2] != '}')
            return false;
    }
    return true;
}

template <class Key>
void expectEveryWording(std::string_view what, Wording (*wording)(Key), Key first, Key last) {
    const int from = static_cast<int>(first), to = static_cast<int>(last);
    for (int k = from; k <= to; ++k) {
        const Wording w = wording(static_cast<Key>(k));
        const std::string name = std::string(what) + " " + std::to_string(k);
        EXPECT_FALSE(w.chinese.empty()) << name;
        EXPECT_FALSE(w.english.empty()) << name;
        EXPECT_TRUE(holdsChinese(w.chinese)) << name << ": " << w.chinese;
        EXPECT_NE(w.chinese, w.english) << name;
        EXPECT_TRUE(placeholdersWellFormed(w.chinese)) << name << ": " << w.chinese;
        EXPECT_TRUE(placeholdersWellFormed(w.english)) << name << ": " << w.english;
    }
    // A key added after `last` must be added here too.
    for (int k = to + 1; k <= to + 3; ++k) {
        const Wording w = wording(static_cast<Key>(k));
        EXPECT_TRUE(w.chinese.empty() && w.english.empty())
            << what << " has a key past " << to << ": " << w.chinese;
    }
}

TEST(EveryMessage, HasBothLanguagesAndTheChineseIsChinese) {
    expectEveryWording("status", statusWording, CalcStatus::NoType, CalcStatus::AreaAboveSection);
    expectEveryWording("JTG 3362 status", statusWording, jtg3362::Status::EnlargeSection,
                       jtg3362::Status::ResultOutOfRange);
    expectEveryWording("verdict", verdictWording, Verdict::Passes, Verdict::Fails);
    expectEveryWording("field", fieldName, Field::Name, Field::Method);
    expectEveryWording("field problem", fieldProblemWording, FieldProblem::NotANumber,
                       FieldProblem::ImportanceFactorOnArchivedRow);
    expectEveryWording("table problem", tableProblemWording, TableProblem::NoHeader,
                       TableProblem::NotUtf16);
    expectEveryWording("sheet problem", sheetProblemWording, SheetProblem::OldWorkbook,
                       SheetProblem::Summary);
    expectEveryWording("file problem", fileProblemWording, FileProblem::CannotRead,
                       FileProblem::CannotKeepStandardInput);
    expectEveryWording("workbook fault", workbookFaultWording, WorkbookFault::PartUnreadable,
                       WorkbookFault::NoSheet);
    expectEveryWording("diagram word", diagramWord, DiagramWord::Title, DiagramWord::Design);
    expectEveryWording("diagram problem", diagramProblemWording, DiagramProblem::NoRowWithoutErrors,
                       DiagramProblem::TwoMethods);
    expectEveryWording("usage problem", usageProblemWording,
                       UsageProblem::FormatContradictsExtension, UsageProblem::UnexpectedError);
    expectEveryWording("provide problem", provideProblemWording, ProvideProblem::NotSteel,
                       ProvideProblem::NoSuchMember);
    expectEveryWording("help", helpWording, HelpText::WindowProgram, HelpText::Quiet);
    expectEveryWording("help label", helpLabel, HelpLabel::Usage, HelpLabel::Excludes);
    expectEveryWording("form notice", formNoticeWording, FormNotice::CheckRanAsDesign,
                       FormNotice::CurrentCheckRanAsDesign);
    expectEveryWording("method", methodWording, MethodWord::Archived, MethodWord::Jtg3362);
    expectEveryWording("safety grade", importanceFactorWording, SafetyGrade::First,
                       SafetyGrade::Third);
}

// The form's help says what a new user needs: both calculations, the
// units of the fields, the verdicts, eta and the diagram, in both
// languages.
TEST(EveryMessage, TheFormsHelpCoversWhatANewUserNeeds) {
    std::string chinese, english;
    for (const HelpSection& section : formHelp()) {
        for (const Wording& w : {section.heading, section.text}) {
            EXPECT_TRUE(holdsChinese(w.chinese)) << w.chinese;
            EXPECT_FALSE(w.english.empty()) << w.chinese;
            chinese += w.chinese;
            english += w.english;
        }
    }
    for (const char* said : {"配筋计算", "强度校核", "kN·m", "（m）", "cm²", "24D28", "通过验算！",
                             "重新配筋！", "η", "N–M", "Enter"})
        EXPECT_NE(chinese.find(said), std::string::npos) << said;
    for (const char* said : {"design", "check", "kN·m", "η", "N–M"})
        EXPECT_NE(english.find(said), std::string::npos) << said;
    // The page is the Windows users' edition: its help names no program
    // they do not have.
    EXPECT_EQ(chinese.find("pilaro-batch"), std::string::npos);
}

// Done and None say nothing: a completed run shows no message, an
// unchecked section no verdict.
TEST(EveryMessage, ACompletedRunAndNoCheckSayNothing) {
    EXPECT_EQ(statusWording(CalcStatus::Done).chinese, "");
    EXPECT_EQ(statusWording(CalcStatus::Done).english, "");
    EXPECT_EQ(statusWording(jtg3362::Status::Done).chinese, "");
    EXPECT_EQ(verdictWording(Verdict::None).chinese, "");
    EXPECT_EQ(doneWording().chinese, "完成");
}

// A table's columns have help where their unit does not say it all; the
// help of every column that has it is in both languages.
TEST(EveryMessage, TheColumnsHelpIsInBothLanguages) {
    for (Field field : {Field::Name, Field::Member, Field::Type, Field::Concrete, Field::Steel,
                        Field::SteelArea, Field::Bars}) {
        const Wording help = columnHelp(field);
        EXPECT_TRUE(holdsChinese(help.chinese)) << static_cast<int>(field);
        EXPECT_FALSE(help.english.empty()) << static_cast<int>(field);
    }
}

}  // namespace
}  // namespace pilaro::test
