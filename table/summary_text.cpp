#include "table/summary_text.h"

#include "engine/number_text.h"
#include "messages/summary_words.h"

namespace pilaro::table {

using messages::Message;

namespace {

// Rounded down, so that a failing check never reads 1.000.
std::string marginText(double margin) {
    return fixedDecimalsText(floorToDecimals(margin, 3), 3);
}

Message titleLine(const MemberSummary& s, const SummaryOptions& o) {
    // With steel for members by name, each member says which it was given.
    const ProvidedSteel* steel =
        o.provided && !o.provided->byMember.empty() ? o.provided->forMember(s.member) : nullptr;
    return messages::summaryTitleLine(messages::memberTitle(s.member, o.hasMemberColumn), s.rows,
                                      steel ? std::string_view(steel->text) : std::string_view());
}

Message checkLine(const MemberSummary& s) {
    return messages::summaryCheckLine(
        s.checkRows, s.failingRows, s.failingChecks,
        s.smallestMarginRow != 0 ? marginText(s.smallestMargin) : std::string(),
        s.smallestMarginRow);
}

Message currentCheckLine(const CurrentCodeSummary& c) {
    return messages::summaryCurrentCheckLine(c.checkRows, c.failingRows, c.failingChecks,
                                             c.largestUtilisationText, c.governingCheckRow);
}

// The table's governing cases: the design that needs the most steel and
// the check with the smallest margin, each the first of its equals; and
// the same of the current code's rows, the check with the largest
// utilisation.
struct Governing {
    const MemberSummary* design = nullptr;
    const MemberSummary* check = nullptr;
    const MemberSummary* currentDesign = nullptr;
    const MemberSummary* currentCheck = nullptr;
};

Governing governingOf(const std::vector<MemberSummary>& members) {
    Governing g;
    for (const MemberSummary& s : members) {
        if (s.mostSteelRow != 0 && (!g.design || s.mostSteel > g.design->mostSteel)) g.design = &s;
        if (s.smallestMarginRow != 0 && (!g.check || s.smallestMargin < g.check->smallestMargin))
            g.check = &s;
        const CurrentCodeSummary& c = s.current;
        if (c.mostSteelRow != 0 &&
            (!g.currentDesign || c.mostSteel > g.currentDesign->current.mostSteel))
            g.currentDesign = &s;
        if (c.governingCheckRow != 0 &&
            (!g.currentCheck || c.largestUtilisation > g.currentCheck->current.largestUtilisation))
            g.currentCheck = &s;
    }
    return g;
}

Message totalLine(const std::vector<MemberSummary>& members, const SummaryOptions& o) {
    long named = 0, rows = 0, failing = 0, withoutResult = 0;
    for (const MemberSummary& s : members) {
        named += s.member.empty() ? 0 : 1;
        rows += s.rows;
        failing += s.allFailingChecks();
        withoutResult += s.rowsWithoutResult;
    }
    return messages::summaryTotalLine(o.hasMemberColumn, named, rows, failing, withoutResult);
}

}  // namespace

std::string summaryText(const std::vector<MemberSummary>& members, const SummaryOptions& o) {
    std::string text;
    const auto add = [&](const Message& line) { text += line.in(o.language); };
    if (o.provided && o.provided->every && o.provided->byMember.empty())
        add(messages::summaryEveryRowChecked(o.provided->every->text));
    const bool whole = o.everyMember || members.size() <= kMembersShownWhole;
    const Governing governing = governingOf(members);
    long hidden = 0;
    for (const MemberSummary& s : members) {
        const bool design = s.designRows > 0 && (whole || &s == governing.design);
        const bool check =
            s.checkRows > 0 && (whole || s.failingChecks > 0 || &s == governing.check);
        const bool withoutResult = s.rowsWithoutResult > 0;
        const CurrentCodeSummary& c = s.current;
        const bool currentDesign = c.designRows > 0 && (whole || &s == governing.currentDesign);
        const bool currentCheck =
            c.checkRows > 0 && (whole || c.failingChecks > 0 || &s == governing.currentCheck);
        if (!design && !check && !withoutResult && !currentDesign && !currentCheck) {
            ++hidden;
            continue;
        }
        add(titleLine(s, o));
        if (design)
            add(messages::summaryDesignLine(s.designRows, s.mostSteelText, s.mostSteelRho,
                                            s.mostSteelRow));
        if (check) add(checkLine(s));
        if (currentDesign)
            add(messages::summaryCurrentDesignLine(c.designRows, c.mostSteelText, c.mostSteelRho,
                                                   c.mostSteelRow));
        if (currentCheck) add(currentCheckLine(c));
        if (withoutResult)
            add(messages::summaryWithoutResultLine(s.withoutResultRows, s.rowsWithoutResult));
    }
    if (!whole && hidden > 0) add(messages::summaryHiddenLine(hidden, "--summary all"));
    add(totalLine(members, o));
    return text;
}

}  // namespace pilaro::table
