// The diagrams of a member whose rows are of the current code, JTG
// 3362-2018: its section's curve N(α), M(α) over 0 < α < 1 for the steel
// its checks use, the axial limit Nmax, and each load case at
// (γ0 Nd η e0, γ0 Nd) checked with that steel.
#pragma once

#include <vector>

#include "diagram/diagram_contents.h"

namespace pilaro::diagram {

// As diagramsOf, for `rows`, the member's rows read without errors, all
// of the current code. Its rows must agree on the section (D, a, both
// grades) and also on γ0 and l0, which the title and the line of Nmax
// show once; a member whose rows differ gets none, and `problems` names
// the rows and the columns.
[[nodiscard]] std::vector<Diagram> currentCodeDiagrams(const MemberRows& member,
                                                       const std::vector<const DiagramRow*>& rows,
                                                       const messages::Message& who,
                                                       const table::ColumnMap& columns,
                                                       std::vector<messages::Message>& problems);

}  // namespace pilaro::diagram
