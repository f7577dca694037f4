#include "web/page_diagram.h"

#include "diagram/diagram_file_names.h"
#include "messages/diagram_words.h"
#include "table/bar_notation.h"
#include "table/cell_values.h"
#include "table/row_outcome.h"
#include "table/shown_text.h"

namespace pilaro::web {

using table::Column;
using table::indexOf;
using table::plainNumber;

FormDiagrams formDiagrams(const CalcState& state, const ControlText& controlText) {
    FormDiagrams out;
    const FormReading reading = readForm(state, controlText);
    if (reading.refused()) {
        out.problems.push_back(reading.refusal);
        return out;
    }
    table::RowCase row;
    row.line = 1;
    row.input = reading.input;
    row.cells[indexOf(Column::Name)] =
        messages::loadCaseName(plainNumber(valueOr0(reading.input.Nj)),
                               plainNumber(valueOr0(reading.input.Mj)))
            .chinese;
    // Bars in the given area's field name the diagram's steel, as in a table.
    const std::string given = controlText("txtag1");
    if (takesCheckRoad(reading.input) &&
        table::readBarNotation(given).kind == table::BarTextKind::Bars)
        row.cells[indexOf(Column::Bars)] = std::string(table::trimBlanks(given));

    diagram::DiagramTable table;
    table.add(table::runRow(std::move(row)));
    const diagram::MemberRows& run = table.members.entries().front();
    std::vector<messages::Message> problems;
    out.diagrams = diagram::diagramsOf(run, std::string_view("N–M"), {}, problems);
    for (const messages::Message& problem : problems) out.problems.push_back(problem.chinese);
    if (!out.diagrams.empty())
        out.stem = "N-M-" + diagram::fileStem(out.diagrams.front().steelKey, true);
    return out;
}

}  // namespace pilaro::web
