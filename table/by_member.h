// What a run keeps for each member of a table, in the order the members
// first appear: one entry per distinct text of the member column (a table
// without the column is one member with an empty name).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "table/row_outcome.h"

namespace pilaro::table {

// `Entry` has a `member` field, which names it.
template <typename Entry>
class ByMember {
  public:
    // The entry of the row's member, made when the member is new.
    Entry& of(const RowOutcome& outcome) {
        const std::string& member = outcome.row.cells[indexOf(Column::Member)];
        const auto [at, added] = index_.try_emplace(member, entries_.size());
        if (added) {
            entries_.emplace_back();
            entries_.back().member = member;
        }
        return entries_[at->second];
    }

    const std::vector<Entry>& entries() const { return entries_; }

  private:
    std::vector<Entry> entries_;
    std::map<std::string, std::size_t> index_;
};

}  // namespace pilaro::table
