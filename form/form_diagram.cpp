#include "form/form_diagram.h"

#include "diagram/diagram_file_names.h"
#include "engine/number_text.h"
#include "form/control_table.h"
#include "jtg3362/decimal_text.h"
#include "messages/diagram_words.h"
#include "table/bar_notation.h"
#include "table/cell_values.h"
#include "table/row_outcome.h"
#include "text/shown_text.h"

namespace pilaro {

using table::Column;
using table::indexOf;
using text::plainNumber;

namespace {

// The diagrams of the table of one row, as pilaro-batch draws a member.
FormDiagrams drawn(const table::RowOutcome& run) {
    FormDiagrams out;
    diagram::DiagramTable table;
    table.add(run);
    const diagram::MemberRows& member = table.members.entries().front();
    std::vector<messages::Message> problems;
    out.diagrams = diagram::diagramsOf(member, std::string_view("N–M"), {}, problems);
    for (const messages::Message& problem : problems) out.problems.push_back(problem.chinese);
    return out;
}

// The current code's run on show: a check with its steel, a design with
// the area it found, and a section that must be enlarged checked with its
// steel at 5 %, whose point shows that it fails. Its point stands at
// (γ0Nd·η·e0, γ0Nd) and is named by them, rounded up as loads are.
FormDiagrams currentDiagrams(const CalcState& state) {
    const CurrentCodeState& current = state.current;
    table::RowOutcome run;
    run.row.line = 1;
    run.row.method = table::Method::Jtg3362;
    run.row.current = current.lastInput;
    run.current = current.lastOutcome;
    const jtg3362::Result& r = current.lastOutcome.result;
    if (current.lastOutcome.status == jtg3362::Status::EnlargeSection) {
        run.row.current.task = jtg3362::Task::Check;
        run.row.current.As = r.As;
    }
    run.hasResult = run.row.current.task == jtg3362::Task::Design;
    run.checkRoad = !run.hasResult;
    if (run.checkRoad && current.lastInput.bars)
        run.row.cells[indexOf(Column::Bars)] = current.lastSteelText;
    const auto up = [](double value) {
        return jtg3362::decimalText(value, 2, jtg3362::Rounding::Up);
    };
    run.row.cells[indexOf(Column::Name)] =
        messages::currentLoadCaseName(up(r.gamma0Nd), up(r.gamma0Nd * r.e)).chinese;
    FormDiagrams out = drawn(run);
    if (!out.diagrams.empty())
        out.stem = "N-M-" + diagram::fileStem(out.diagrams.front().steelKey, true);
    return out;
}

}  // namespace

FormDiagrams formDiagrams(const CalcState& state, const ControlText& controlText) {
    if (state.method == table::Method::Jtg3362)
        return state.shownRun ? currentDiagrams(state) : FormDiagrams{};
    FormDiagrams out;
    // Only a completed run has the steel and the result a diagram shows.
    if (!state.shownRun || state.lastRunBlock == CalcType::None) return out;
    const CalcInput& input = state.lastInput;
    table::RowOutcome run;
    run.row.line = 1;
    run.row.input = input;
    run.row.cells[indexOf(Column::Name)] =
        messages::loadCaseName(plainNumber(valueOr0(input.Nj)), plainNumber(valueOr0(input.Mj)))
            .chinese;
    run.hasResult = true;
    run.checkRoad = takesCheckRoad(input);
    run.result = state.result;
    const std::string given = controlText(controlName(FormInput::GivenArea));
    if (run.checkRoad && table::readBarNotation(given).kind == table::BarTextKind::Bars)
        run.row.cells[indexOf(Column::Bars)] = std::string(table::trimBlanks(given));

    out = drawn(run);
    // A slender member's point stands at its amplified moment, and is
    // named by what it stands at, rounded down as the read-outs are.
    if (valueOr0(state.result.eta) > 1)
        for (diagram::Diagram& d : out.diagrams)
            for (diagram::LoadMark& mark : d.loads)
                if (mark.hasPoint)
                    mark.name =
                        messages::amplifiedLoadCaseName(plainNumber(valueOr0(input.Nj)),
                                                        plainNumber(floorToDecimals(mark.M, 3)))
                            .chinese;
    if (!out.diagrams.empty())
        out.stem = "N-M-" + diagram::fileStem(out.diagrams.front().steelKey, true);
    return out;
}

}  // namespace pilaro
