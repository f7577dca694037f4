// What the N-M diagram of a member shows: its section's curve for the steel
// the member's checks use, and each of its load cases checked with that
// steel. Plain C++ over the engine; the drawing is elsewhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/calculation.h"
#include "engine/interaction_curve.h"
#include "jtg3362/records.h"
#include "messages/wording.h"
#include "table/by_member.h"
#include "table/columns.h"
#include "table/row_method.h"
#include "table/row_outcome.h"

namespace pilaro::diagram {

// What a diagram needs of one row of the table.
struct DiagramRow {
    long line = 0;
    std::string name;
    CalcInput input;
    bool readWithoutErrors = false;
    bool checkRoad = false;
    std::string bars;       // a check's bars, as in the table; empty for an area
    bool designed = false;  // a design with a result
    double requiredAg = 0;  // cm^2, as reported
    table::Method method = table::Method::Archived;
    jtg3362::Input current;  // a row of the current code: its input
};

struct MemberRows {
    std::string member;
    std::vector<DiagramRow> rows;
};

// How messages name a member: 构件 P1 (member P1), 未填构件的行 (the rows
// without a member), or 全表 (all rows) of a table without the member
// column.
[[nodiscard]] messages::Message memberSubject(const MemberRows& member, bool hasMemberColumn);

// The rows of each member, in the order the members first appear.
struct DiagramTable {
    table::ByMember<MemberRows> members;

    void add(const table::RowOutcome& outcome);
};

// One load case on a diagram: (eta * |Mj|, Nj), and its check with the
// diagram's steel. A design with a result is drawn as a design: its point
// is where its section was made to carry it, so it has no verdict of its
// own to show.
struct LoadMark {
    std::string name;
    long line = 0;
    bool design = false;                    // a design row with a result
    bool hasPoint = false;                  // eta could be found; N and M hold the point
    double N = 0;                           // kN
    double M = 0;                           // kN m
    Verdict verdict = Verdict::None;        // None: the check has no result
    CalcStatus stopped = CalcStatus::Done;  // what a check without result stopped with
    // The same of a check under the current code.
    jtg3362::Status currentStopped = jtg3362::Status::Done;
    // Nq / Nj of a check with a result; under the current code the lesser
    // capacity over γ0 Nd (0 where that shows as 0).
    double margin = 0;

    [[nodiscard]] bool hasVerdict() const { return verdict != Verdict::None; }
    [[nodiscard]] bool passes() const { return verdict == Verdict::Passes; }
};

struct Diagram {
    std::string member;
    std::string steelText;  // "24D28" or "207.021 cm²"
    std::string steelKey;   // the steel in a file name: "24D28", "207.021cm2"
    double Ag = 0;          // cm^2
    double rho = 0;
    double D = 0, a = 0;               // m
    std::string_view concrete, steel;  // the grades' names
    std::vector<CurvePoint> curve;
    std::vector<LoadMark> loads;  // in table order, a case given twice shown once

    // A diagram of the current code (JTG 3362-2018): its curve runs over
    // 0 < α < 1 (CurvePoint::xi holds α) from the steel in tension to the
    // section in compression, its axial limit Nmax is a line, and a load
    // stands at (γ0 Nd η e0, γ0 Nd).
    table::Method method = table::Method::Archived;
    double gamma0 = 1.0;
    double Nmax = 0;  // kN
};

// The member's diagrams: its rows' method's (a member whose rows are of
// both methods gets none), one for each distinct steel area of its checks
// (the provided steel with --provide), or, without checks, one for the
// largest area its designs need. A member whose rows differ in section, or
// that has no steel or no curve, gets none; `problems` says why, naming
// the member as `who` (构件 P1) and the table's columns as its header
// wrote them.
[[nodiscard]] std::vector<Diagram> diagramsOf(const MemberRows& member,
                                              const messages::Message& who,
                                              const table::ColumnMap& columns,
                                              std::vector<messages::Message>& problems);

}  // namespace pilaro::diagram
