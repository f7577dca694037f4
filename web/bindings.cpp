// What the page's JavaScript can call: the form's events, the read-outs,
// the messages, the report and the tables the form is built from, handed
// over as plain JavaScript objects and arrays. Nothing here decides
// anything; each call goes to the C++ that the desktop program uses.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "form/control_table.h"
#include "form/form_events.h"
#include "web/bound_values.h"
#include "web/page_report.h"

namespace pilaro::web {
namespace {

using emscripten::val;

std::string_view kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Frame:
            return "frame";
        case ControlKind::Caption:
            return "caption";
        case ControlKind::TextField:
            return "field";
        case ControlKind::DropDownList:
            return "list";
        case ControlKind::OptionButton:
            return "option";
        case ControlKind::PushButton:
            return "button";
        case ControlKind::PrinterDialog:
            return "printer";
    }
    return "";
}

// The window's controls in table order, each with its place in twips and
// whether it is one of the read-out fields.
val controls() {
    return array(mainWindowControls(), [](const ControlRow& row) {
        val o = val::object();
        o.set("name", text(row.name));
        o.set("kind", text(kindName(row.kind)));
        o.set("container", text(row.container));
        o.set("text", text(row.text));
        o.set("left", row.left);
        o.set("top", row.top);
        o.set("width", row.width);
        o.set("height", row.height);
        o.set("tabIndex", row.tabIndex);
        o.set("readOut", row.readOut());
        return o;
    });
}

val windowBox() {
    val o = val::object();
    o.set("name", text(kWindowName));
    o.set("width", kClientWidthTwips);
    o.set("height", kClientHeightTwips);
    return o;
}

val entries(const std::string& list) {
    return array(listEntries(list), text);
}

void pick(CalcState& state, const std::string& list, const std::string& entry) {
    pickEntry(state, list, entry);
}

void choose(CalcState& state, const std::string& option) {
    chooseOption(state, option);
}

val areaField(const CalcState& state) {
    const FieldShown area = givenAreaField(state);
    val o = val::object();
    o.set("field", text(area.field));
    o.set("shown", area.shown);
    return o;
}

// `controls` maps the names of the window's fields and lists to the texts
// they show.
val run(CalcState& state, val controls) {
    const RunOutcome outcome = pressRun(state, controlTextOf(controls));
    val o = val::object();
    o.set("done", outcome.status == CalcStatus::Done);
    o.set("status", outcome.status ? text(statusName(*outcome.status)) : text("refused"));
    o.set("message", outcome.message);
    o.set("readOuts", array(outcome.readOuts, [](const ShownReadOut& r) {
              val item = val::object();
              item.set("field", text(r.field));
              item.set("text", r.text);
              return item;
          }));
    return o;
}

// `width(text, pointSize)` measures a text in the page's print font.
val report(const CalcState& state, double pageWidth, val width) {
    const PrintedReport printed =
        printedReport(state, pageWidth, [&width](const std::string& s, double pointSize) {
            return width(s, pointSize).as<double>();
        });
    val o = val::object();
    o.set("pointSize", printed.pointSize);
    o.set("lines", array(printed.lines, [](const std::vector<PlacedText>& line) {
              return array(line, [](const PlacedText& placed) {
                  val run = val::object();
                  run.set("x", placed.x);
                  run.set("text", placed.text);
                  return run;
              });
          }));
    return o;
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_form) {
    using namespace pilaro::web;
    emscripten::class_<pilaro::CalcState>("State").constructor<>();
    emscripten::function("controls", &controls);
    emscripten::function("windowBox", &windowBox);
    emscripten::function("entries", &entries);
    emscripten::function("pick", &pick);
    emscripten::function("choose", &choose);
    emscripten::function("areaField", &areaField);
    emscripten::function("run", &run);
    emscripten::function("report", &report);
}
