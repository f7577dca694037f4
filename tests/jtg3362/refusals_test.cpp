// Inputs the method refuses, each with its message in both languages, and
// inputs at the edges that must still end with figures or a message.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>

#include "jtg3362/messages.h"
#include "jtg3362/read_outs.h"
#include "jtg3362/run.h"
#include "jtg3362/status_name.h"

namespace pilaro::jtg3362 {
namespace {

Input aCheck() {
    return {Task::Check, "C30", "HRB400", 1.0, 5000, 1500, 1.2, 0.06, 10, 147.78, 24};
}

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Jtg3362Refusals, EachRefusalHasItsStatusAndMessage) {
    struct Case {
        std::function<void(Input&)> change;
        Status status;
        const char* named;  // what the Chinese message names
    };
    const Case cases[] = {
        {[](Input& in) { in.gamma0 = 0.95; }, Status::ImportanceFactorNotAllowed, "结构重要性系数"},
        {[](Input& in) { in.concrete = "C20"; }, Status::UnknownConcrete, "C25"},
        {[](Input& in) { in.steel = "Ⅱ级"; }, Status::UnknownSteel, "HRB400"},
        {[](Input& in) { in.Nd = NAN; }, Status::AxialForceNotFinite, "轴向力"},
        {[](Input& in) { in.Md = kInf; }, Status::MomentNotFinite, "计算弯矩"},
        {[](Input& in) { in.D = kInf; }, Status::DiameterNotFinite, "圆形直径"},
        {[](Input& in) { in.a = -kInf; }, Status::CoverNotFinite, "保护层厚度"},
        {[](Input& in) { in.l0 = kInf; }, Status::LengthNotFinite, "计算长度"},
        {[](Input& in) { in.As = NAN; }, Status::AreaNotFinite, "纵向钢筋面积"},
        {[](Input& in) { in.D = 0; }, Status::DiameterNotPositive, "圆形直径"},
        {[](Input& in) { in.a = 0; }, Status::CoverOutsideSection, "保护层厚度"},
        {[](Input& in) { in.a = 0.6; }, Status::CoverOutsideSection, "保护层厚度"},
        {[](Input& in) { in.Nd = 0; }, Status::AxialForceNotPositive, "轴向力"},
        {[](Input& in) { in.Nd = -100; }, Status::AxialForceNotPositive, "轴向力"},
        {[](Input& in) { in.l0 = -1; }, Status::NegativeLength, "计算长度"},
        {[](Input& in) { in.As = -1; }, Status::NegativeArea, "纵向钢筋面积"},
        {[](Input& in) { in.As = 11310; }, Status::AreaAboveSection, "纵向钢筋面积"},
        {[](Input& in) { in.bars = 6; }, Status::TooFewBars, "8根"},
        {[](Input& in) { in.l0 = 60; }, Status::SlendernessBeyondTable, "l0/D＝50.00"},
    };
    for (const Case& c : cases) {
        Input in = aCheck();
        c.change(in);
        const Outcome out = run(in);
        EXPECT_EQ(out.status, c.status) << c.named;
        const std::string zh = statusMessage(out);
        EXPECT_NE(zh.find(c.named), std::string::npos) << zh;
        EXPECT_FALSE(statusMessage(out, Language::English).empty()) << c.named;
        for (const std::string& t : readOuts(in.task, out)) EXPECT_EQ(t, "");
    }
}

// Every status but Done speaks both languages and has a name of its own.
TEST(Jtg3362Refusals, EveryStatusHasBothLanguagesAndItsOwnName) {
    std::set<std::string_view> names;
    for (int s = 0; s <= static_cast<int>(Status::ResultOutOfRange); ++s) {
        const Outcome out{static_cast<Status>(s), {}};
        names.insert(statusName(out.status));
        const bool done = out.status == Status::Done;
        EXPECT_EQ(statusMessage(out).empty(), done) << s;
        EXPECT_EQ(statusMessage(out, Language::English).empty(), done) << s;
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(Status::ResultOutOfRange) + 1);
    EXPECT_EQ(statusName(Status::EnlargeSection), "enlarge-section");
}

TEST(Jtg3362Refusals, WhatIsAllowedIsNotRefused) {
    for (double gamma0 : {1.1, 1.0, 0.9}) {
        Input in = aCheck();
        in.gamma0 = gamma0;
        EXPECT_EQ(run(in).status, Status::Done) << gamma0;
    }
    Input in = aCheck();
    in.bars = 8;
    EXPECT_EQ(run(in).status, Status::Done);
    in.bars = 2;  // a design reads no bars
    in.task = Task::Design;
    EXPECT_EQ(run(in).status, Status::Done);
    in = aCheck();
    in.l0 = 43 * in.D;  // the table's last row, 0.19
    EXPECT_EQ(run(in).result.phi, 0.19);
    in.l0 = 30.1;  // 30.1 / 0.7 is 43 but reads 43.00000000000001
    in.D = 0.7;
    in.a = 0.05;
    in.As = 50;
    EXPECT_EQ(run(in).status, Status::Done);
}

// Every run ends, with figures that are numbers or with a message.
TEST(Jtg3362Refusals, ExtremeInputsEndWithNumbersOrAMessage) {
    const double sizes[] = {1e-300, 1e-9, 0.3, 3, 1e6, 1e300};
    int done = 0;
    for (Task task : {Task::Check, Task::Design}) {
        for (double D : sizes) {
            for (double Nd : sizes) {
                for (double Md : {0.0, 1e-300, 1.0, 1e300}) {
                    Input in{task, "C50", "HRB500", 1.1, Nd, Md, D, D / 10, 5 * D, 0, {}};
                    in.As = task == Task::Check ? 0.02 * D * D * 7854 : 0.0;
                    const Outcome out = run(in);
                    if (out.status == Status::Done) ++done;
                    for (const std::string& t : readOuts(task, out))
                        EXPECT_EQ(t.find_first_of("ni"), std::string::npos) << t;  // nan, inf
                    if (out.status != Status::Done && out.status != Status::EnlargeSection) {
                        EXPECT_FALSE(statusMessage(out).empty());
                    }
                }
            }
        }
    }
    EXPECT_GT(done, 0);
}

// No steel and a load outside the section's radius: no state carries it.
TEST(Jtg3362Refusals, PlainConcreteBeyondItsRadiusCarriesNothing) {
    Input in = aCheck();
    in.As = 0;
    in.bars.reset();
    in.Md = in.Nd * 0.7;  // e0 = 0.7 m > r = 0.6 m
    const Outcome out = run(in);
    ASSERT_EQ(out.status, Status::Done);
    const ReadOutTexts t = readOuts(in.task, out);
    EXPECT_EQ(t[readOutIndex(ReadOut::Nu)], "0.00");
    EXPECT_EQ(t[readOutIndex(ReadOut::Utilisation)], "");
    EXPECT_EQ(out.result.verdict, Verdict::Fails);
}

}  // namespace
}  // namespace pilaro::jtg3362
