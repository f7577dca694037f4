// What the page can call for the N-M diagram of the form's run, and the
// plain values every diagram crosses as (web/diagram_values.h).
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "form/form_diagram.h"
#include "web/bound_values.h"
#include "web/diagram_values.h"
#include "web/page_font_measure.h"

namespace pilaro::web {
namespace {

using emscripten::val;

// The diagram of the state's last run. `controls` maps the names of the
// form's fields and lists to the texts they showed to that run; `measure`
// measures the page's font.
PageDiagrams formDiagram(const CalcState& state, val controls, val measure) {
    const FormDiagrams drawn = formDiagrams(state, controlTextOf(controls));
    const std::vector<std::string> stems(drawn.diagrams.size(), drawn.stem);
    return pageDiagrams(drawn.diagrams, stems, drawn.problems, PageFontMeasure(std::move(measure)));
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_diagram) {
    using namespace emscripten;
    using namespace pilaro::web;
    value_object<PageColour>("PageColour")
        .field("colour", &PageColour::colour)
        .field("opacity", &PageColour::opacity);
    value_object<PageText>("PageText")
        .field("text", &PageText::text)
        .field("x", &PageText::x)
        .field("y", &PageText::y)
        .field("pixels", &PageText::pixels)
        .field("bold", &PageText::bold)
        .field("colour", &PageText::colour)
        .field("opacity", &PageText::opacity);
    value_object<PagePoint>("PagePoint").field("x", &PagePoint::x).field("y", &PagePoint::y);
    value_object<PageBox>("PageBox")
        .field("x", &PageBox::x)
        .field("y", &PageBox::y)
        .field("width", &PageBox::width)
        .field("height", &PageBox::height);
    value_object<PageLegendEntry>("PageLegendEntry")
        .field("name", &PageLegendEntry::name)
        .field("line", &PageLegendEntry::line)
        .field("sample", &PageLegendEntry::sample)
        .field("x", &PageLegendEntry::x)
        .field("y", &PageLegendEntry::y);
    value_object<PageTick>("PageTick")
        .field("at", &PageTick::at)
        .field("zero", &PageTick::zero)
        .field("label", &PageTick::label);
    value_object<PageMarker>("PageMarker")
        .field("x", &PageMarker::x)
        .field("y", &PageMarker::y)
        .field("kind", &PageMarker::kind)
        .field("name", &PageMarker::name)
        .field("line", &PageMarker::line);
    value_object<PageLabel>("PageLabel")
        .field("ground", &PageLabel::ground)
        .field("name", &PageLabel::name);
    value_object<PageDiagram>("PageDiagram")
        .field("stem", &PageDiagram::stem)
        .field("title", &PageDiagram::title)
        .field("plot", &PageDiagram::plot)
        .field("heading", &PageDiagram::heading)
        .field("section", &PageDiagram::section)
        .field("legend", &PageDiagram::legend)
        .field("ticksM", &PageDiagram::ticksM)
        .field("ticksN", &PageDiagram::ticksN)
        .field("across", &PageDiagram::across)
        .field("up", &PageDiagram::up)
        .field("cap", &PageDiagram::cap)
        .field("curve", &PageDiagram::curve)
        .field("markers", &PageDiagram::markers)
        .field("labels", &PageDiagram::labels);
    value_object<PageDiagramStyle>("PageDiagramStyle")
        .field("width", &PageDiagramStyle::width)
        .field("height", &PageDiagramStyle::height)
        .field("pngWidth", &PageDiagramStyle::pngWidth)
        .field("pngHeight", &PageDiagramStyle::pngHeight)
        .field("background", &PageDiagramStyle::background)
        .field("pass", &PageDiagramStyle::pass)
        .field("fail", &PageDiagramStyle::fail)
        .field("design", &PageDiagramStyle::design)
        .field("curve", &PageDiagramStyle::curve)
        .field("grid", &PageDiagramStyle::grid)
        .field("axis", &PageDiagramStyle::axis)
        .field("outline", &PageDiagramStyle::outline)
        .field("labelGround", &PageDiagramStyle::labelGround)
        .field("markerRadius", &PageDiagramStyle::markerRadius)
        .field("markerOutline", &PageDiagramStyle::markerOutline)
        .field("gridWidth", &PageDiagramStyle::gridWidth)
        .field("curveWidth", &PageDiagramStyle::curveWidth)
        .field("capWidth", &PageDiagramStyle::capWidth)
        .field("capDash", &PageDiagramStyle::capDash)
        .field("legendLineWidth", &PageDiagramStyle::legendLineWidth)
        .field("legendLineLength", &PageDiagramStyle::legendLineLength)
        .field("legendMarkerOffset", &PageDiagramStyle::legendMarkerOffset);
    value_object<PageDiagrams>("PageDiagrams")
        .field("diagrams", &PageDiagrams::diagrams)
        .field("problems", &PageDiagrams::problems)
        .field("style", &PageDiagrams::style);
    register_vector<PageLegendEntry>("PageLegendEntries");
    register_vector<PageTick>("PageTicks");
    register_vector<PagePoint>("PagePoints");
    register_vector<PageMarker>("PageMarkers");
    register_vector<PageLabel>("PageLabels");
    register_vector<PageDiagram>("PageDiagramList");
    register_vector<std::string>("Texts");
    register_vector<double>("Numbers");
    function("formDiagram", &formDiagram);
}
