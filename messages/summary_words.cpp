#include "messages/summary_words.h"

#include <string>

namespace pilaro::messages {

namespace {

std::string number(long n) {
    return std::to_string(n);
}

std::string counted(long count, std::string_view one, std::string_view many) {
    return number(count) + " " + std::string(count == 1 ? one : many);
}

// "第 2、5 行等" or "rows 2, 5, …".
Message rowList(std::span<const long> rows, long total) {
    std::string chinese = "第 ";
    std::string english = total == 1 ? "row " : "rows ";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        chinese += (i == 0 ? "" : "、") + number(rows[i]);
        english += (i == 0 ? "" : ", ") + number(rows[i]);
    }
    const bool more = total > static_cast<long>(rows.size());
    return {chinese + (more ? " 行等" : " 行"), english + (more ? ", …" : "")};
}

// "全部通过", or how many checks fail and on which rows.
Message failingPart(std::span<const long> failingRows, long failing) {
    if (failing == 0) return Message("全部通过", "all pass");
    const Message listed = rowList(failingRows, failing);
    return Message(number(failing) + " 行不通过（" + listed.chinese + "）",
                   number(failing) + " fail (" + listed.english + ")");
}

}  // namespace

Message memberTitle(std::string_view member, bool hasMemberColumn) {
    if (!hasMemberColumn) return {"全表", "all rows"};
    if (member.empty()) return {"未填构件的行", "rows without a member"};
    return {"构件 " + std::string(member), "member " + std::string(member)};
}

Message summaryTitleLine(const Message& title, long rows, std::string_view steel) {
    Message line =
        title + Message("：" + number(rows) + " 行", ": " + counted(rows, "row", "rows"));
    if (!steel.empty())
        line = line + Message("，按 " + std::string(steel) + " 校核",
                              ", checked with " + std::string(steel));
    return line + "\n";
}

Message summaryDesignLine(long designRows, std::string_view mostSteel, std::string_view rho,
                          long row) {
    const std::string steel(mostSteel), ratio(rho);
    return {"  配筋计算 " + number(designRows) + " 行：最大配筋 " + steel + " cm²（配筋率 " +
                ratio + "），第 " + number(row) + " 行\n",
            "  design: most steel " + steel + " cm² (rho " + ratio + ") at row " + number(row) +
                ", of " + counted(designRows, "design row", "design rows") + "\n"};
}

Message summaryCheckLine(long checkRows, std::span<const long> failingRows, long failing,
                         std::string_view smallestMargin, long marginRow) {
    Message line("  强度校核 " + number(checkRows) + " 行：",
                 "  check: " + counted(checkRows, "row", "rows") + ", ");
    line = line + failingPart(failingRows, failing);
    if (marginRow != 0) {
        const std::string row = number(marginRow), margin(smallestMargin);
        line = line + Message("；Nq/Nj 最小为 " + margin + "，第 " + row + " 行",
                              "; smallest margin Nq/Nj " + margin + " at row " + row);
    }
    return line + "\n";
}

Message summaryCurrentDesignLine(long designRows, std::string_view mostSteel, std::string_view rho,
                                 long row) {
    const std::string steel(mostSteel), ratio(rho);
    return {"  配筋计算（JTG 3362-2018）" + number(designRows) + " 行：最大配筋 " + steel +
                " cm²（配筋率 " + ratio + "），第 " + number(row) + " 行\n",
            "  JTG 3362-2018 design: most steel " + steel + " cm² (rho " + ratio + ") at row " +
                number(row) + ", of " + counted(designRows, "design row", "design rows") + "\n"};
}

Message summaryCurrentCheckLine(long checkRows, std::span<const long> failingRows, long failing,
                                std::string_view largestUtilisation, long governingRow) {
    Message line("  强度校核（JTG 3362-2018）" + number(checkRows) + " 行：",
                 "  JTG 3362-2018 check: " + counted(checkRows, "row", "rows") + ", ");
    line = line + failingPart(failingRows, failing);
    if (governingRow != 0) {
        const std::string row = number(governingRow), utilisation(largestUtilisation);
        line = line + (utilisation.empty()
                           ? Message("；第 " + row + " 行承载力为 0", "; capacity 0 at row " + row)
                           : Message("；利用率最大为 " + utilisation + "，第 " + row + " 行",
                                     "; largest utilisation " + utilisation + " at row " + row));
    }
    return line + "\n";
}

Message summaryWithoutResultLine(std::span<const long> rows, long total) {
    return Message("  无结果：", "  no result: ") + rowList(rows, total) + "\n";
}

Message summaryHiddenLine(long hidden, std::string_view wholeOption) {
    const std::string option(wholeOption);
    return {"另有 " + number(hidden) + " 个构件未列出：每行都有结果，校核全部通过（" + option +
                " 列出全部构件）\n",
            counted(hidden, "more member", "more members") +
                " not listed: every row has a result and every check passes (" + option +
                " lists them)\n"};
}

Message summaryEveryRowChecked(std::string_view steel) {
    const std::string given(steel);
    return {"每行均按 " + given + " 校核\n", "every row checked with " + given + "\n"};
}

Message summaryTotalLine(bool hasMemberColumn, long members, long rows, long failingChecks,
                         long rowsWithoutResult) {
    return {"合计：" + (hasMemberColumn ? number(members) + " 个构件，" : "") + number(rows) +
                " 行，" + number(failingChecks) + " 行校核不通过，" + number(rowsWithoutResult) +
                " 行无结果\n",
            "total: " + (hasMemberColumn ? counted(members, "member", "members") + ", " : "") +
                counted(rows, "row", "rows") + ", " +
                counted(failingChecks, "failing check", "failing checks") + ", " +
                counted(rowsWithoutResult, "row without a result", "rows without a result") + "\n"};
}

}  // namespace pilaro::messages
