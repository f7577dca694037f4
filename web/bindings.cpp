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
#include "jtg3362/status_name.h"
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
        case ControlKind::ChoiceList:
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

// The form's controls in table order, each with its place in twips on
// the page (the choice of method above the grade lists), whether it is one
// of the read-out fields, what a button does, where Tab visits it and
// whether Enter in it runs.
val controls() {
    return array(mainWindowControls(), [](const ControlRow& row) {
        val o = val::object();
        o.set("name", text(row.name));
        o.set("kind", text(kindName(row.kind)));
        o.set("container", text(row.container));
        o.set("text", text(row.text));
        o.set("left", row.left);
        o.set("top", pageTop(row));
        o.set("width", row.width);
        o.set("height", row.height);
        o.set("tabIndex", keyboardStop(row.name));
        o.set("enterRuns", enterRuns(row.name));
        o.set("readOut", row.readOut());
        o.set("action", text(buttonAction(row.role)));
        return o;
    });
}

// The form's client area for the method the state holds.
val windowBox(const CalcState& state) {
    const FormBox box = formBox(state.method);
    val o = val::object();
    o.set("name", text(kWindowName));
    o.set("width", box.width);
    o.set("height", box.height);
    return o;
}

val listValues(const std::vector<ListContents>& lists) {
    return array(lists, [](const ListContents& l) {
        val o = val::object();
        o.set("list", text(l.list));
        o.set("entries", array(l.entries, text));
        o.set("shown", text(l.shown));
        return o;
    });
}

// Every list with its entries and the entry it shows.
val lists(const CalcState& state) {
    return listValues(formLists(state));
}

val shownValues(const std::vector<ControlShown>& shown) {
    return array(shown, [](const ControlShown& c) {
        val o = val::object();
        o.set("control", text(c.control));
        o.set("shown", c.shown);
        return o;
    });
}

// What the page shows anew after the pick: see FormChange.
val pick(CalcState& state, const std::string& list, const std::string& entry) {
    const FormChange change = pickEntry(state, list, entry);
    val o = val::object();
    o.set("lists", listValues(change.lists));
    o.set("fields", array(change.fields, [](const ControlSetting& s) {
              val field = val::object();
              field.set("control", text(s.control));
              field.set("text", text(s.text));
              return field;
          }));
    o.set("shown", shownValues(change.shown));
    o.set("places", array(change.places, [](const ControlPlace& p) {
              val place = val::object();
              place.set("control", text(p.control));
              place.set("left", p.left);
              place.set("top", p.top);
              place.set("width", p.width);
              place.set("height", p.height);
              return place;
          }));
    o.set("resultsCleared", change.resultsCleared);
    return o;
}

void choose(CalcState& state, const std::string& option) {
    chooseOption(state, option);
}

val shown(const CalcState& state) {
    return shownValues(shownControls(state));
}

std::string_view runStatusName(const RunOutcome& outcome) {
    if (outcome.status) return statusName(*outcome.status);
    if (outcome.currentStatus) return jtg3362::statusName(*outcome.currentStatus);
    return "refused";
}

// `controls` maps the names of the form's fields and lists to the texts
// they show.
val run(CalcState& state, val controls) {
    const RunOutcome outcome = pressRun(state, controlTextOf(controls));
    val o = val::object();
    o.set("done", outcome.shown);
    o.set("status", text(runStatusName(outcome)));
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
    emscripten::function("lists", &lists);
    emscripten::function("pick", &pick);
    emscripten::function("choose", &choose);
    emscripten::function("shownControls", &shown);
    emscripten::function("run", &run);
    emscripten::function("print", &print);
    emscripten::function("stale", &stale);
    emscripten::function("report", &report);
}
