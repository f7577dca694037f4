// What the page can call for the N-M diagram of the form's run.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "form/form_diagram.h"
#include "web/bound_values.h"
#include "web/diagram_values.h"

namespace pilaro::web {
namespace {

using emscripten::val;

// The diagram of the state's last run. `controls` maps the names of the
// form's fields and lists to the texts they showed to that run; `measure`
// measures the page's font.
val formDiagram(const CalcState& state, val controls, val measure) {
    const FormDiagrams drawn = formDiagrams(state, controlTextOf(controls));
    const std::vector<std::string> stems(drawn.diagrams.size(), drawn.stem);
    return diagramValues(drawn.diagrams, stems, drawn.problems, std::move(measure));
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_diagram) {
    emscripten::function("formDiagram", &pilaro::web::formDiagram);
}
