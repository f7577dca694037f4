// What the page's JavaScript can call: the form's events, the read-outs,
// the messages, the report and the tables the form is built from, handed
// over as plain JavaScript objects and arrays. Nothing here decides
// anything; each call goes to the form's rules that the window uses.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include <algorithm>

#include "form/control_table.h"
#include "form/form_events.h"
#include "form/keyboard.h"
#include "form/shown_results.h"
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

// What a button does, for the page to find its run and print buttons.
std::string_view buttonAction(const ControlRole& role) {
    const auto* button = std::get_if<FormButton>(&role);
    if (!button) return "";
    switch (*button) {
        case FormButton::Run:
            return "run";
        case FormButton::Print:
            return "print";
        case FormButton::Exit:
            return "exit";
    }
    return "";
}

// Where Tab visits a control in the page's order: 1 for the first, -1 for
// a control Tab does not visit.
int keyboardStop(std::string_view name) {
    static const std::vector<std::string_view> order = keyboardOrder();
    const auto at = std::find(order.begin(), order.end(), name);
    return at == order.end() ? -1 : static_cast<int>(at - order.begin()) + 1;
}

// The form's controls in table order, each with its place in twips,
// whether it is one of the read-out fields, what a button does, where Tab
// visits it and whether Enter in it runs.
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
        o.set("tabIndex", keyboardStop(row.name));
        o.set("enterRuns", enterRuns(row.name));
        o.set("readOut", row.readOut());
        o.set("action", text(buttonAction(row.role)));
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

val shown(const CalcState& state) {
    return array(shownControls(state), [](const ControlShown& c) {
        val o = val::object();
        o.set("control", text(c.control));
        o.set("shown", c.shown);
        return o;
    });
}

// `controls` maps the names of the form's fields and lists to the texts
// they show.
val run(CalcState& state, val controls) {
    const RunOutcome outcome = pressRun(state, controlTextOf(controls));
    val o = val::object();
    o.set("done", outcome.status == CalcStatus::Done);
    o.set("status", outcome.status ? text(statusName(*outcome.status)) : text("refused"));
    o.set("message", outcome.message);
    o.set("focus", text(outcome.focus));
    o.set("readOuts", array(outcome.readOuts, [](const ShownReadOut& r) {
              val item = val::object();
              item.set("field", text(r.field));
              item.set("text", r.text);
              return item;
          }));
    return o;
}

val print(const CalcState& state, val controls) {
    const PrintOutcome outcome = pressPrint(state, controlTextOf(controls));
    val o = val::object();
    o.set("prints", outcome.prints);
    o.set("message", outcome.message);
    o.set("focus", text(outcome.focus));
    return o;
}

bool stale(const CalcState& state, val controls) {
    return resultsStale(state, controlTextOf(controls));
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
    emscripten::function("shownControls", &shown);
    emscripten::function("run", &run);
    emscripten::function("print", &print);
    emscripten::function("stale", &stale);
    emscripten::function("report", &report);
}
