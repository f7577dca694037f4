#include "form/form_diagram.h"

#include "diagram/diagram_file_names.h"
#include "engine/number_text.h"
#include "form/control_table.h"
#include "messages/diagram_words.h"
#include "table/bar_notation.h"
#include "table/cell_values.h"
#include "table/row_outcome.h"
#include "text/shown_text.h"

namespace pilaro {

using table::Column;
using table::indexOf;
using text::plainNumber;

FormDiagrams formDiagrams(const CalcState& state, const ControlText& controlText) {
    FormDiagrams out;
    // Only a completed run has the steel and the result a diagram shows.
    if (state.lastRunBlock == CalcType::None) return out;
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

    diagram::DiagramTable table;
    table.add(run);
    const diagram::MemberRows& member = table.members.entries().front();
    std::vector<messages::Message> problems;
    out.diagrams = diagram::diagramsOf(member, std::string_view("N–M"), {}, problems);
    for (const messages::Message& problem : problems) out.problems.push_back(problem.chinese);
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
