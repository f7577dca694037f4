// What the page can call for a first visit: the example 示例 fills in and
// whether it asks first, 清空 and its question, the form's help, and the
// word greyed results carry. Nothing here decides anything; each call goes
// to the form's rules and the message home.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "form/form_example.h"
#include "messages/form_messages.h"
#include "web/bound_values.h"

namespace pilaro::web {
namespace {

using emscripten::val;
using messages::FormNotice;

val settings(const std::vector<ControlSetting>& list) {
    return array(list, [](const ControlSetting& s) {
        val o = val::object();
        o.set("control", text(s.control));
        o.set("text", text(s.text));
        return o;
    });
}

// The example of the method the state holds.
val example(const CalcState& state) {
    const FormExample made = designExample(state.method);
    val o = val::object();
    o.set("option", text(made.option));
    o.set("entries", settings(made.entries));
    o.set("fields", settings(made.fields));
    return o;
}

// The question to ask before the example replaces what the form holds;
// empty when it replaces nothing.
std::string exampleQuestion(const CalcState& state, val controls) {
    if (!exampleReplacesInputs(state, controlTextOf(controls))) return {};
    return messages::formNotice(FormNotice::ExampleQuestion).chinese;
}

std::string clearQuestion() {
    return messages::formNotice(FormNotice::ClearQuestion).chinese;
}

// The state as a form just opened (but for its method), and every field's
// opening text; the lists show what formLists gives (lists).
val clear(CalcState& state) {
    return settings(clearForm(state));
}

val help() {
    return array(messages::formHelp(), [](const messages::HelpSection& section) {
        val o = val::object();
        o.set("heading", text(section.heading.chinese));
        o.set("text", text(section.text.chinese));
        return o;
    });
}

std::string staleHint() {
    return messages::formNotice(FormNotice::StaleHint).chinese;
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_visit) {
    using namespace pilaro::web;
    emscripten::function("example", &example);
    emscripten::function("exampleQuestion", &exampleQuestion);
    emscripten::function("clearQuestion", &clearQuestion);
    emscripten::function("clear", &clear);
    emscripten::function("help", &help);
    emscripten::function("staleHint", &staleHint);
}
