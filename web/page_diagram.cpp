#include "web/page_diagram.h"

#include "diagram/diagram_file_names.h"
#include "form/control_table.h"
#include "table/bar_notation.h"
#include "table/cell_values.h"
#include "table/row_outcome.h"
#include "text/shown_text.h"

namespace pilaro::web {

using table::Column;
using table::indexOf;
using text::plainNumber;

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
    row.cells[indexOf(Column::Name)] = "Nj＝" + plainNumber(valueOr0(reading.input.Nj)) + "，Mj＝" +
                                       plainNumber(valueOr0(reading.input.Mj));
    // Bars in the given area's field name the diagram's steel, as in a table.
    const std::string given = controlText(controlName(FormInput::GivenArea));
    if (takesCheckRoad(reading.input) &&
        table::readBarNotation(given).kind == table::BarTextKind::Bars)
        row.cells[indexOf(Column::Bars)] = std::string(table::trimBlanks(given));

    diagram::DiagramTable table;
    table.add(table::runRow(std::move(row)));
    const diagram::MemberRows& run = table.members.entries().front();
    out.diagrams = diagram::diagramsOf(run, "N–M", out.problems);
    if (!out.diagrams.empty())
        out.stem = "N-M-" + diagram::fileStem(out.diagrams.front().steelKey, true);
    return out;
}

}  // namespace pilaro::web
