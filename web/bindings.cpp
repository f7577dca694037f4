// What the page's JavaScript can call: the form's events, the read-outs,
// the messages, the report and the tables the form is built from, handed
// over as plain values (embind's value objects, and its vectors for
// lists). Nothing here decides anything; each call goes to the form's
// rules that the window uses.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <string>
#include <vector>

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

// A control of the form's table, with its place in twips on the page (the
// choice of method above the grade lists), whether it is one of the
// read-out fields, what a button does, where Tab visits it and whether
// Enter in it runs.
struct PageControl {
    std::string name, kind, container, text;
    int left = 0, top = 0, width = 0, height = 0;
    int tabIndex = -1;
    bool enterRuns = false, readOut = false;
    std::string action;  // "run", "print", "exit" or empty
};

struct PageWindowBox {
    std::string name;
    int width = 0, height = 0;
};

struct PageControlShown {
    std::string control;
    bool shown = false;
};

struct PageListContents {
    std::string list;
    std::vector<std::string> entries;
    std::string shown;
};

struct PageFieldText {
    std::string control, text;
};

struct PageControlPlace {
    std::string control;
    int left = 0, top = 0, width = 0, height = 0;
};

// What the page shows anew after a pick: see FormChange.
struct PageFormChange {
    std::vector<PageListContents> lists;
    std::vector<PageFieldText> fields;
    std::vector<PageControlShown> shown;
    std::vector<PageControlPlace> places;
    bool resultsCleared = false;
};

struct PageReadOut {
    std::string field, text;
};

struct PageRunOutcome {
    bool done = false;
    std::string status;  // the run's status, or "refused" before it began
    std::string message, focus;
    std::vector<PageReadOut> readOuts;
};

struct PagePrintOutcome {
    bool prints = false;
    std::string message, focus;
};

// The form's controls in table order.
std::vector<PageControl> controls() {
    std::vector<PageControl> list;
    for (const ControlRow& row : mainWindowControls())
        list.push_back({std::string(row.name), std::string(kindName(row.kind)),
                        std::string(row.container), std::string(row.text), row.left, pageTop(row),
                        row.width, row.height, keyboardStop(row.name), enterRuns(row.name),
                        row.readOut(), std::string(buttonAction(row.role))});
    return list;
}

// The form's client area for the method the state holds.
PageWindowBox windowBox(const CalcState& state) {
    const FormBox box = formBox(state.method);
    return {std::string(kWindowName), box.width, box.height};
}

std::vector<PageListContents> listValues(const std::vector<ListContents>& lists) {
    std::vector<PageListContents> page;
    for (const ListContents& l : lists) {
        PageListContents contents{std::string(l.list), {}, std::string(l.shown)};
        for (std::string_view entry : l.entries) contents.entries.emplace_back(entry);
        page.push_back(std::move(contents));
    }
    return page;
}

// Every list with its entries and the entry it shows.
std::vector<PageListContents> lists(const CalcState& state) {
    return listValues(formLists(state));
}

std::vector<PageControlShown> shownValues(const std::vector<ControlShown>& shown) {
    std::vector<PageControlShown> page;
    for (const ControlShown& c : shown) page.push_back({std::string(c.control), c.shown});
    return page;
}

PageFormChange pick(CalcState& state, const std::string& list, const std::string& entry) {
    const FormChange change = pickEntry(state, list, entry);
    PageFormChange page;
    page.lists = listValues(change.lists);
    for (const ControlSetting& s : change.fields)
        page.fields.push_back({std::string(s.control), std::string(s.text)});
    page.shown = shownValues(change.shown);
    for (const ControlPlace& p : change.places)
        page.places.push_back({std::string(p.control), p.left, p.top, p.width, p.height});
    page.resultsCleared = change.resultsCleared;
    return page;
}

void choose(CalcState& state, const std::string& option) {
    chooseOption(state, option);
}

std::vector<PageControlShown> shown(const CalcState& state) {
    return shownValues(shownControls(state));
}

std::string_view runStatusName(const RunOutcome& outcome) {
    if (outcome.status) return statusName(*outcome.status);
    if (outcome.currentStatus) return jtg3362::statusName(*outcome.currentStatus);
    return "refused";
}

// `controls` maps the names of the form's fields and lists to the texts
// they show.
PageRunOutcome run(CalcState& state, val controls) {
    const RunOutcome outcome = pressRun(state, controlTextOf(controls));
    PageRunOutcome page;
    page.done = outcome.shown;
    page.status = std::string(runStatusName(outcome));
    page.message = outcome.message;
    page.focus = outcome.focus;
    for (const ShownReadOut& r : outcome.readOuts)
        page.readOuts.push_back({std::string(r.field), r.text});
    return page;
}

PagePrintOutcome print(const CalcState& state, val controls) {
    const PrintOutcome outcome = pressPrint(state, controlTextOf(controls));
    return {outcome.prints, outcome.message, std::string(outcome.focus)};
}

bool stale(const CalcState& state, val controls) {
    return resultsStale(state, controlTextOf(controls));
}

// `width(text, pointSize)` measures a text in the page's print font.
PrintedReport report(const CalcState& state, double pageWidth, val width) {
    return printedReport(state, pageWidth, [&width](const std::string& s, double pointSize) {
        return width(s, pointSize).as<double>();
    });
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_form) {
    using namespace emscripten;
    using namespace pilaro::web;
    class_<pilaro::CalcState>("State").constructor<>();
    value_object<PageControl>("PageControl")
        .field("name", &PageControl::name)
        .field("kind", &PageControl::kind)
        .field("container", &PageControl::container)
        .field("text", &PageControl::text)
        .field("left", &PageControl::left)
        .field("top", &PageControl::top)
        .field("width", &PageControl::width)
        .field("height", &PageControl::height)
        .field("tabIndex", &PageControl::tabIndex)
        .field("enterRuns", &PageControl::enterRuns)
        .field("readOut", &PageControl::readOut)
        .field("action", &PageControl::action);
    value_object<PageWindowBox>("PageWindowBox")
        .field("name", &PageWindowBox::name)
        .field("width", &PageWindowBox::width)
        .field("height", &PageWindowBox::height);
    value_object<PageControlShown>("PageControlShown")
        .field("control", &PageControlShown::control)
        .field("shown", &PageControlShown::shown);
    value_object<PageListContents>("PageListContents")
        .field("list", &PageListContents::list)
        .field("entries", &PageListContents::entries)
        .field("shown", &PageListContents::shown);
    value_object<PageFieldText>("PageFieldText")
        .field("control", &PageFieldText::control)
        .field("text", &PageFieldText::text);
    value_object<PageControlPlace>("PageControlPlace")
        .field("control", &PageControlPlace::control)
        .field("left", &PageControlPlace::left)
        .field("top", &PageControlPlace::top)
        .field("width", &PageControlPlace::width)
        .field("height", &PageControlPlace::height);
    value_object<PageFormChange>("PageFormChange")
        .field("lists", &PageFormChange::lists)
        .field("fields", &PageFormChange::fields)
        .field("shown", &PageFormChange::shown)
        .field("places", &PageFormChange::places)
        .field("resultsCleared", &PageFormChange::resultsCleared);
    value_object<PageReadOut>("PageReadOut")
        .field("field", &PageReadOut::field)
        .field("text", &PageReadOut::text);
    value_object<PageRunOutcome>("PageRunOutcome")
        .field("done", &PageRunOutcome::done)
        .field("status", &PageRunOutcome::status)
        .field("message", &PageRunOutcome::message)
        .field("focus", &PageRunOutcome::focus)
        .field("readOuts", &PageRunOutcome::readOuts);
    value_object<PagePrintOutcome>("PagePrintOutcome")
        .field("prints", &PagePrintOutcome::prints)
        .field("message", &PagePrintOutcome::message)
        .field("focus", &PagePrintOutcome::focus);
    value_object<pilaro::PlacedText>("PlacedText")
        .field("x", &pilaro::PlacedText::x)
        .field("text", &pilaro::PlacedText::text);
    value_object<PrintedReport>("PrintedReport")
        .field("pointSize", &PrintedReport::pointSize)
        .field("lines", &PrintedReport::lines);
    register_vector<PageControl>("PageControls");
    register_vector<PageControlShown>("PageControlsShown");
    register_vector<PageListContents>("PageListsContents");
    register_vector<PageFieldText>("PageFieldTexts");
    register_vector<PageControlPlace>("PageControlPlaces");
    register_vector<PageReadOut>("PageReadOuts");
    register_vector<pilaro::PlacedText>("PlacedTexts");
    register_vector<std::vector<pilaro::PlacedText>>("PlacedLines");
    function("controls", &controls);
    function("windowBox", &windowBox);
    function("lists", &lists);
    function("pick", &pick);
    function("choose", &choose);
    function("shownControls", &shown);
    function("run", &run);
    function("print", &print);
    function("stale", &stale);
    function("report", &report);
}
