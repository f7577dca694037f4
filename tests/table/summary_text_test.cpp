// The summary's text in both languages: each member's governing cases and
// one grand total; above 50 members only the failing and governing lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/summary_text.h"

namespace pilaro::test {
namespace {

using pilaro::Language;
using table::MemberSummary;

MemberSummary designs(const std::string& member, long rows, double most, long row) {
    MemberSummary s;
    s.member = member;
    s.rows = rows;
    s.designRows = rows;
    s.mostSteelRow = row;
    s.mostSteel = most;
    s.mostSteelText = std::to_string(static_cast<int>(most)) + ".5";
    s.mostSteelRho = ".0183";
    return s;
}

MemberSummary checks(const std::string& member, long rows, std::vector<long> failing, double margin,
                     long marginRow) {
    MemberSummary s;
    s.member = member;
    s.rows = rows;
    s.checkRows = rows;
    s.failingChecks = static_cast<long>(failing.size());
    s.failingRows = failing;
    s.smallestMargin = margin;
    s.smallestMarginRow = marginRow;
    return s;
}

// P1: designs and checks, one failing, one row without a result; P2: designs.
std::vector<MemberSummary> twoMembers() {
    MemberSummary p1 = designs("P1", 11, 207.021, 3);
    p1.mostSteelText = "207.021";
    p1.designRows = 7;
    p1.checkRows = 3;
    p1.failingChecks = 1;
    p1.failingRows = {10};
    p1.smallestMargin = 0.82999;  // rounded down
    p1.smallestMarginRow = 10;
    p1.rowsWithoutResult = 1;
    p1.withoutResultRows = {12};
    MemberSummary p2 = designs("P2", 1, 55.258, 14);
    p2.mostSteelText = "55.258";
    p2.mostSteelRho = ".0048";
    return {p1, p2};
}

TEST(SummaryText, SaysEachMembersGoverningCasesAndTheTotal) {
    const struct {
        Language language;
        const char* text;
    } cases[] = {
        {Language::Chinese,
         "构件 P1：11 行\n"
         "  配筋计算 7 行：最大配筋 207.021 cm²（配筋率 .0183），第 3 行\n"
         "  强度校核 3 行：1 行不通过（第 10 行）；Nq/Nj 最小为 0.829，第 10 行\n"
         "  无结果：第 12 行\n"
         "构件 P2：1 行\n"
         "  配筋计算 1 行：最大配筋 55.258 cm²（配筋率 .0048），第 14 行\n"
         "合计：2 个构件，12 行，1 行校核不通过，1 行无结果\n"},
        {Language::English,
         "member P1: 11 rows\n"
         "  design: most steel 207.021 cm² (rho .0183) at row 3, of 7 design rows\n"
         "  check: 3 rows, 1 fail (row 10); smallest margin Nq/Nj 0.829 at row 10\n"
         "  no result: row 12\n"
         "member P2: 1 row\n"
         "  design: most steel 55.258 cm² (rho .0048) at row 14, of 1 design row\n"
         "total: 2 members, 12 rows, 1 failing check, 1 row without a result\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(table::summaryText(twoMembers(), {c.language, true, false, nullptr}), c.text);
}

// Pairs of --provide name each member's steel; steel for every member is
// said once.
TEST(SummaryText, SaysTheSteelEachMemberWasGiven) {
    table::ProvidedSteels provided;
    messages::Message problem;
    ASSERT_TRUE(table::addProvidedSteel(provided, "P1=24D28", problem));
    const std::vector<MemberSummary> members = {checks("P1", 2, {}, 1.5, 2),
                                                checks("P2", 1, {3}, 0.9, 3)};
    EXPECT_EQ(table::summaryText(members, {Language::Chinese, true, false, &provided}),
              "构件 P1：2 行，按 24D28 校核\n"
              "  强度校核 2 行：全部通过；Nq/Nj 最小为 1.500，第 2 行\n"
              "构件 P2：1 行\n"
              "  强度校核 1 行：1 行不通过（第 3 行）；Nq/Nj 最小为 0.900，第 3 行\n"
              "合计：2 个构件，3 行，1 行校核不通过，0 行无结果\n");
    table::ProvidedSteels every;
    ASSERT_TRUE(table::addProvidedSteel(every, "26D32", problem));
    EXPECT_EQ(
        table::summaryText({checks("", 1, {}, 1.2, 2)}, {Language::English, false, false, &every}),
        "every row checked with 26D32\n"
        "all rows: 1 row\n"
        "  check: 1 row, all pass; smallest margin Nq/Nj 1.200 at row 2\n"
        "total: 1 row, 0 failing checks, 0 rows without a result\n");
}

// 60 members: M7 fails a check (the smallest margin of all), M20 needs
// the most steel; the others pass and are counted, not listed.
TEST(SummaryText, AboveFiftyMembersShowsOnlyFailingAndGoverningLines) {
    std::vector<MemberSummary> members;
    for (int i = 1; i <= 60; ++i) {
        // Appended, not a literal prepended: gcc 12 at -O3 warns falsely
        // (-Wrestrict) about the latter.
        const std::string name = std::string("M").append(std::to_string(i));
        MemberSummary s = i % 2 ? designs(name, 2, 100, 2 * i) : checks(name, 2, {}, 1.5, 2 * i);
        if (i == 20) s = designs(name, 2, 300, 40);
        if (i == 7) s = checks(name, 2, {14}, 0.95, 14);
        if (i == 33) s = checks(name, 2, {}, 1.01, 66);
        members.push_back(s);
    }
    const std::string shown =
        table::summaryText(members, {Language::English, true, false, nullptr});
    EXPECT_EQ(shown,
              "member M7: 2 rows\n"
              "  check: 2 rows, 1 fail (row 14); smallest margin Nq/Nj 0.950 at row 14\n"
              "member M20: 2 rows\n"
              "  design: most steel 300.5 cm² (rho .0183) at row 40, of 2 design rows\n"
              "58 more members not listed: every row has a result and every check passes "
              "(--summary all lists them)\n"
              "total: 60 members, 120 rows, 1 failing check, 0 rows without a result\n");
    // With M7 passing, M33's margin is the smallest of all.
    members[6] = checks("M7", 2, {}, 1.2, 14);
    const std::string governing =
        table::summaryText(members, {Language::Chinese, true, false, nullptr});
    EXPECT_NE(
        governing.find("构件 M33：2 行\n  强度校核 2 行：全部通过；Nq/Nj 最小为 1.010，第 66 行\n"),
        std::string::npos)
        << governing;
    EXPECT_NE(governing.find("另有 58 个构件未列出"), std::string::npos) << governing;
    const std::string all = table::summaryText(members, {Language::Chinese, true, true, nullptr});
    for (const MemberSummary& s : members)
        EXPECT_NE(all.find("构件 " + s.member + "："), std::string::npos) << s.member;
}

}  // namespace
}  // namespace pilaro::test

namespace pilaro::test {
namespace {

// A member of the current code: its designs' most steel and its checks'
// largest utilisation, the second failing.
MemberSummary currentCode(const std::string& member, double most, double utilisation) {
    MemberSummary s;
    s.member = member;
    s.rows = 3;
    table::CurrentCodeSummary& c = s.current;
    c.designRows = 1;
    c.mostSteelRow = 2;
    c.mostSteel = most;
    c.mostSteelText = std::to_string(static_cast<int>(most)) + ".55";
    c.mostSteelRho = "0.0051";
    c.checkRows = 2;
    c.governingCheckRow = 4;
    c.largestUtilisation = utilisation;
    c.largestUtilisationText = std::to_string(utilisation).substr(0, 5);
    if (utilisation > 1) {
        c.failingChecks = 1;
        c.failingRows = {4};
    }
    return s;
}

TEST(SummaryText, CountsTheCurrentCodesRowsApartAndInTheTotal) {
    std::vector<MemberSummary> members = twoMembers();
    members.push_back(currentCode("P3", 56, 1.023));
    const std::string text = table::summaryText(members, {Language::Chinese, true});
    EXPECT_NE(
        text.find("构件 P3：3 行\n"
                  "  配筋计算（JTG 3362-2018）1 行：最大配筋 56.55 cm²（配筋率 0.0051），第 2 行\n"
                  "  强度校核（JTG 3362-2018）2 行：1 行不通过（第 4 行）；利用率最大为 1.023，第 "
                  "4 行\n"),
        std::string::npos)
        << text;
    // P1's failing check and P3's.
    EXPECT_NE(text.find("合计：3 个构件，15 行，2 行校核不通过，1 行无结果\n"), std::string::npos)
        << text;
    // The archived members' lines stand as without P3.
    const std::string without = table::summaryText(twoMembers(), {Language::Chinese, true});
    EXPECT_EQ(text.substr(0, text.find("构件 P3")), without.substr(0, without.find("合计")));
}

// Above 50 members, the current code's failing member and the governing
// design and check of its rows are shown, as the archived method's are.
TEST(SummaryText, ALongSummaryKeepsTheCurrentCodesGoverningRows) {
    std::vector<MemberSummary> members;
    for (int i = 0; i < 60; ++i)
        members.push_back(currentCode(std::string("Q").append(std::to_string(i)),
                                      50 + (i == 7 ? 30 : 0),
                                      i == 12 ? 1.2 : (i == 20 ? 0.99 : 0.5)));
    const std::string text = table::summaryText(members, {Language::English, true});
    EXPECT_NE(text.find("member Q7: 3 rows\n  JTG 3362-2018 design: most steel 80.55"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("member Q12: 3 rows\n  JTG 3362-2018 check: 2 rows, 1 fail (row 4); "
                        "largest utilisation 1.200 at row 4\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("member Q20"), std::string::npos);
    EXPECT_NE(text.find("58 more members not listed"), std::string::npos) << text;
}

}  // namespace
}  // namespace pilaro::test
