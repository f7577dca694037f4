#include "table/summary_text.h"

#include "engine/number_text.h"

namespace pilaro::table {

namespace {

std::string counted(long count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// "rows 2, 5, …" or "第 2、5 行等".
std::string rowList(Language language, const std::vector<long>& rows, long total) {
    const bool chinese = language == Language::Chinese;
    std::string text = chinese ? "第 " : total == 1 ? "row " : "rows ";
    for (std::size_t i = 0; i < rows.size(); ++i)
        text += (i == 0 ? "" : chinese ? "、" : ", ") + std::to_string(rows[i]);
    const bool more = total > static_cast<long>(rows.size());
    if (chinese) return text + (more ? " 行等" : " 行");
    return text + (more ? ", …" : "");
}

// Rounded down, so that a failing check never reads 1.000.
std::string marginText(double margin) {
    return fixedDecimalsText(floorToDecimals(margin, 3), 3);
}

std::string titleLine(const MemberSummary& s, const SummaryOptions& o) {
    const bool chinese = o.language == Language::Chinese;
    std::string line =
        memberTitle(o.language, s.member, o.hasMemberColumn) +
        (chinese ? "：" + std::to_string(s.rows) + " 行" : ": " + counted(s.rows, "row", "rows"));
    // With steel for members by name, each member says which it was given.
    const ProvidedSteel* steel =
        o.provided && !o.provided->byMember.empty() ? o.provided->forMember(s.member) : nullptr;
    if (steel) line += chinese ? "，按 " + steel->text + " 校核" : ", checked with " + steel->text;
    return line + "\n";
}

std::string designLine(const MemberSummary& s, Language language) {
    if (language == Language::Chinese)
        return "  配筋计算 " + std::to_string(s.designRows) + " 行：最大配筋 " + s.mostSteelText +
               " cm²（配筋率 " + s.mostSteelRho + "），第 " + std::to_string(s.mostSteelRow) +
               " 行\n";
    return "  design: most steel " + s.mostSteelText + " cm² (rho " + s.mostSteelRho + ") at row " +
           std::to_string(s.mostSteelRow) + ", of " +
           counted(s.designRows, "design row", "design rows") + "\n";
}

std::string checkLine(const MemberSummary& s, Language language) {
    const bool chinese = language == Language::Chinese;
    std::string line = chinese ? "  强度校核 " + std::to_string(s.checkRows) + " 行："
                               : "  check: " + counted(s.checkRows, "row", "rows") + ", ";
    const std::string failing = rowList(language, s.failingRows, s.failingChecks);
    if (s.failingChecks == 0)
        line += chinese ? "全部通过" : "all pass";
    else
        line += chinese ? std::to_string(s.failingChecks) + " 行不通过（" + failing + "）"
                        : std::to_string(s.failingChecks) + " fail (" + failing + ")";
    if (s.smallestMarginRow != 0) {
        const std::string row = std::to_string(s.smallestMarginRow);
        line += chinese
                    ? "；Nq/Nj 最小为 " + marginText(s.smallestMargin) + "，第 " + row + " 行"
                    : "; smallest margin Nq/Nj " + marginText(s.smallestMargin) + " at row " + row;
    }
    return line + "\n";
}

std::string withoutResultLine(const MemberSummary& s, Language language) {
    const std::string rows = rowList(language, s.withoutResultRows, s.rowsWithoutResult);
    return (language == Language::Chinese ? "  无结果：" : "  no result: ") + rows + "\n";
}

// The table's governing cases: the design that needs the most steel and
// the check with the smallest margin, each the first of its equals.
struct Governing {
    const MemberSummary* design = nullptr;
    const MemberSummary* check = nullptr;
};

Governing governingOf(const std::vector<MemberSummary>& members) {
    Governing g;
    for (const MemberSummary& s : members) {
        if (s.mostSteelRow != 0 && (!g.design || s.mostSteel > g.design->mostSteel)) g.design = &s;
        if (s.smallestMarginRow != 0 && (!g.check || s.smallestMargin < g.check->smallestMargin))
            g.check = &s;
    }
    return g;
}

std::string totalLine(const std::vector<MemberSummary>& members, const SummaryOptions& o) {
    long named = 0, rows = 0, failing = 0, withoutResult = 0;
    for (const MemberSummary& s : members) {
        named += s.member.empty() ? 0 : 1;
        rows += s.rows;
        failing += s.failingChecks;
        withoutResult += s.rowsWithoutResult;
    }
    if (o.language == Language::Chinese)
        return "合计：" + (o.hasMemberColumn ? std::to_string(named) + " 个构件，" : "") +
               std::to_string(rows) + " 行，" + std::to_string(failing) + " 行校核不通过，" +
               std::to_string(withoutResult) + " 行无结果\n";
    return "total: " + (o.hasMemberColumn ? counted(named, "member", "members") + ", " : "") +
           counted(rows, "row", "rows") + ", " +
           counted(failing, "failing check", "failing checks") + ", " +
           counted(withoutResult, "row without a result", "rows without a result") + "\n";
}

}  // namespace

std::string memberTitle(Language language, std::string_view member, bool hasMemberColumn) {
    const bool chinese = language == Language::Chinese;
    if (!hasMemberColumn) return chinese ? "全表" : "all rows";
    if (member.empty()) return chinese ? "未填构件的行" : "rows without a member";
    return (chinese ? "构件 " : "member ") + std::string(member);
}

std::string summaryText(const std::vector<MemberSummary>& members, const SummaryOptions& o) {
    const bool chinese = o.language == Language::Chinese;
    std::string text;
    if (o.provided && o.provided->every && o.provided->byMember.empty())
        text += (chinese ? "每行均按 " + o.provided->every->text + " 校核"
                         : "every row checked with " + o.provided->every->text) +
                "\n";
    const bool whole = o.everyMember || members.size() <= kMembersShownWhole;
    const Governing governing = governingOf(members);
    long hidden = 0;
    for (const MemberSummary& s : members) {
        const bool design = s.designRows > 0 && (whole || &s == governing.design);
        const bool check =
            s.checkRows > 0 && (whole || s.failingChecks > 0 || &s == governing.check);
        const bool withoutResult = s.rowsWithoutResult > 0;
        if (!design && !check && !withoutResult) {
            ++hidden;
            continue;
        }
        text += titleLine(s, o);
        if (design) text += designLine(s, o.language);
        if (check) text += checkLine(s, o.language);
        if (withoutResult) text += withoutResultLine(s, o.language);
    }
    if (!whole && hidden > 0)
        text += chinese ? "另有 " + std::to_string(hidden) +
                              " 个构件未列出：每行都有结果，校核全部通过（--summary all "
                              "列出全部构件）\n"
                        : counted(hidden, "more member", "more members") +
                              " not listed: every row has a result and every check passes "
                              "(--summary all lists them)\n";
    return text + totalLine(members, o);
}

}  // namespace pilaro::table
