// The summary of a run in Chinese or English: each member's governing
// cases (table/member_summary.h), then one grand total.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "messages/language.h"
#include "table/member_summary.h"
#include "table/row_input.h"

namespace pilaro::table {

// Up to this many members, every member's lines are shown.
inline constexpr std::size_t kMembersShownWhole = 50;

struct SummaryOptions {
    Language language = Language::Chinese;
    bool hasMemberColumn = true;
    // Every member's lines, however many members there are. Otherwise,
    // above kMembersShownWhole members, only the lines of failing checks
    // and of rows without a result, and the table's governing design and
    // check.
    bool everyMember = false;
    const ProvidedSteels* provided = nullptr;  // --provide, or none
};

// Lines ending in '\n'.
[[nodiscard]] std::string summaryText(const std::vector<MemberSummary>& members,
                                      const SummaryOptions& options);

// How the summary names a member's rows: messages::memberTitle.

}  // namespace pilaro::table
