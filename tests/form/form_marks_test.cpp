// What the form tells after a press, whatever front end shows it: a check
// that ran as a design says so, results go stale when an input they were
// computed from changes, 打  印 prints only the results of a completed run
// that still belong to the form, and a refusal sends the focus to the
// control at fault.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form/form_events.h"
#include "form/shown_results.h"
#include "tests/form/pier_form.h"

namespace pilaro {
namespace {

using test::Pier;

const std::string kRanAsDesign = "未输入纵向钢筋面积（或为0），已按配筋计算，结果见“配筋结果”。";
const std::string kNothingToPrint = "还没有计算结果可打印，请先运行。";
const std::string kStale = "输入已修改，显示的结果已过时，请重新运行后再打印。";

// The given area is read in a check only; where it reads as 0 the run
// still takes the design road, as ever, and now says so.
TEST(FormMarks, ACheckThatRanAsADesignSaysSo) {
    const struct {
        const char* option;
        const char* area;
        std::string message;
        const char* designArea;  // the design read-out's text; empty on the check road
    } cases[] = {
        {"optqd", "", kRanAsDesign, " 207.021"},
        {"optqd", "  ", kRanAsDesign, " 207.021"},
        {"optqd", "0", kRanAsDesign, " 207.021"},
        {"optqd", "0.0", kRanAsDesign, " 207.021"},
        {"optqd", "24D28", "", ""},
        {"optpj", "24D28", "", " 207.021"},  // not read by a design
        {"optpj", "", "", " 207.021"},
    };
    for (const auto& c : cases) {
        Pier pier(c.option);
        const RunOutcome outcome = pier.press("5000", "3000", c.area);
        ASSERT_EQ(outcome.status, CalcStatus::Done) << c.option << " " << c.area;
        EXPECT_EQ(outcome.message, c.message) << c.option << " \"" << c.area << "\"";
        EXPECT_EQ(outcome.focus, "");
        std::string shownArea = "?";
        for (const ShownReadOut& r : outcome.readOuts)
            if (r.field == "txtag2") shownArea = r.text;
        EXPECT_EQ(shownArea, c.designArea) << c.area;
    }
}

// What the user did after the design example's run, and whether its
// results are then stale.
struct AfterRun {
    const char* name;
    std::function<void(Pier&)> act;
    bool stale;
};

const std::vector<AfterRun> kAfterRun = {
    {"nothing", [](Pier&) {}, false},
    {"force changed", [](Pier& p) { p.texts["txtnj"] = "5001"; }, true},
    {"force changed and back", [](Pier& p) { p.texts["txtnj"] = "5000"; }, false},
    {"blank added", [](Pier& p) { p.texts["txtlj"] = "10 "; }, true},
    {"diameter emptied", [](Pier& p) { p.texts.erase("txtzd"); }, true},
    {"grade typed over", [](Pier& p) { p.texts["cbohnt"] = "30号"; }, true},
    {"grade picked",
     [](Pier& p) {
         pickEntry(p.state, "cbogj", "\u2162级");
         p.texts["cbogj"] = "\u2162级";
     },
     true},
    {"check chosen", [](Pier& p) { chooseOption(p.state, "optqd"); }, true},
    {"check chosen and design again",
     [](Pier& p) {
         chooseOption(p.state, "optqd");
         chooseOption(p.state, "optpj");
     },
     false},
    // The area is not read by a design, so it is no input of its results.
    {"area typed in a design", [](Pier& p) { p.texts["txtag1"] = "24D28"; }, false},
    {"a refused run", [](Pier& p) { EXPECT_FALSE(p.press("5,000", "3000").status); }, true},
    {"a stopped run",
     [](Pier& p) {
         EXPECT_EQ(p.run("5000", "3000", "-1"), CalcStatus::Done);  // not read: a design
         p.texts["txtlj"] = "60";
         EXPECT_EQ(p.run("5000", "3000"), CalcStatus::EnlargeSection);
     },
     true},
    {"run again",
     [](Pier& p) {
         p.texts["txtnj"] = "4000";
         EXPECT_EQ(p.run("4000", "3000"), CalcStatus::Done);
     },
     false},
};

TEST(FormMarks, ResultsGoStaleWhenAnInputTheyWereComputedFromChanges) {
    Pier fresh("optpj");
    EXPECT_FALSE(resultsStale(fresh.state, fresh.controls()));  // nothing on show yet
    for (const AfterRun& c : kAfterRun) {
        Pier pier("optpj");
        ASSERT_EQ(pier.run("5000", "3000"), CalcStatus::Done);
        c.act(pier);
        EXPECT_EQ(resultsStale(pier.state, pier.controls()), c.stale) << c.name;
        // Printing follows: stale results are refused, fresh ones print.
        const PrintOutcome print = pressPrint(pier.state, pier.controls());
        EXPECT_EQ(print.prints, !c.stale) << c.name;
        EXPECT_EQ(print.message, c.stale ? kStale : "") << c.name;
        EXPECT_EQ(print.focus, c.stale ? "cmdrun" : "") << c.name;
    }
}

TEST(FormMarks, NothingPrintsWithoutTheResultsOfACompletedRun) {
    const struct {
        const char* name;
        std::function<void(Pier&)> act;
        std::string message;
    } cases[] = {
        {"before any run", [](Pier&) {}, kNothingToPrint},
        {"after a refused run", [](Pier& p) { p.press("5,000", "3000"); }, kNothingToPrint},
        {"after a stopped run", [](Pier& p) { p.texts["txtlj"] = "60", p.run("5000", "3000"); },
         kNothingToPrint},
        // The read-outs show the first run, the state holds the stopped one:
        // no sheet could describe both.
        {"after a run, a stop, and the first inputs again",
         [](Pier& p) {
             p.run("5000", "3000");
             p.texts["txtlj"] = "60";
             p.run("5000", "3000");
             p.texts["txtlj"] = "10";
         },
         kNothingToPrint},
        {"after a design", [](Pier& p) { p.run("5000", "3000"); }, ""},
        {"after a check of bars",
         [](Pier& p) {
             chooseOption(p.state, "optqd");
             p.run("5000", "3000", "24D28");
         },
         ""},
        {"after a check that ran as a design",
         [](Pier& p) {
             chooseOption(p.state, "optqd");
             p.run("5000", "3000", "");
         },
         ""},
    };
    for (const auto& c : cases) {
        Pier pier("optpj");
        c.act(pier);
        const PrintOutcome print = pressPrint(pier.state, pier.controls());
        EXPECT_EQ(print.prints, c.message.empty()) << c.name;
        EXPECT_EQ(print.message, c.message) << c.name;
    }
}

// After a refusal or a stop, the focus goes to the control the message is
// about; where none is, it stays.
TEST(FormMarks, TheFocusGoesToTheControlAtFault) {
    const struct {
        const char* name;
        std::function<void(Pier&)> set;
        const char* focus;
    } cases[] = {
        {"no type", [](Pier& p) { p.state.type = CalcType::None; }, "optpj"},
        {"grade typed over", [](Pier& p) { p.texts["cbohnt"] = "30号"; }, "cbohnt"},
        {"steel typed over", [](Pier& p) { p.texts["cbogj"] = "II级"; }, "cbogj"},
        {"no steel picked",
         [](Pier& p) {
             p.state.Rg.reset();
             p.state.Eg.reset();
             p.texts["cbogj"] = " ";
         },
         "cbogj"},
        {"no concrete picked",
         [](Pier& p) {
             p.state.Ra.reset();
             p.state.Eh.reset();
             p.texts["cbohnt"] = "";
         },
         "cbohnt"},
        {"force not a number", [](Pier& p) { p.texts["txtnj"] = "5,000"; }, "txtnj"},
        {"force empty", [](Pier& p) { p.texts["txtnj"] = ""; }, "txtnj"},
        {"tension", [](Pier& p) { p.texts["txtnj"] = "-10"; }, "txtnj"},
        {"moment out of range", [](Pier& p) { p.texts["txtmj"] = "1e400"; }, "txtmj"},
        {"moment with a unit", [](Pier& p) { p.texts["txtmj"] = "3000kN.m"; }, "txtmj"},
        {"zero diameter", [](Pier& p) { p.texts["txtzd"] = "0"; }, "txtzd"},
        {"too slender", [](Pier& p) { p.texts["txtlj"] = "60"; }, "txtzd"},
        {"cover in mm", [](Pier& p) { p.texts["txtbc"] = "50"; }, "txtbc"},
        {"negative length", [](Pier& p) { p.texts["txtlj"] = "-1"; }, "txtlj"},
        {"unknown bar",
         [](Pier& p) {
             chooseOption(p.state, "optqd");
             p.texts["txtag1"] = "24D27";
         },
         "txtag1"},
        {"area above the section",
         [](Pier& p) {
             chooseOption(p.state, "optqd");
             p.texts["txtag1"] = "20000";
         },
         "txtag1"},
        {"done", [](Pier&) {}, ""},
    };
    for (const auto& c : cases) {
        Pier pier("optpj");
        pier.texts["txtnj"] = "5000";
        pier.texts["txtmj"] = "3000";
        c.set(pier);
        const RunOutcome outcome = pressRun(pier.state, pier.controls());
        EXPECT_EQ(outcome.focus, c.focus) << c.name << ": " << outcome.message;
        EXPECT_EQ(outcome.message.empty(), std::string(c.focus).empty()) << c.name;
    }
}

}  // namespace
}  // namespace pilaro
