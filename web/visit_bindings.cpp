// What the page can call for a first visit: the example 示例 fills in and
// whether it asks first, 清空 and its question, the form's help, and the
// word greyed results carry. Nothing here decides anything; each call goes
// to the form's rules and the message home.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "form/form_example.h"
#include "messages/form_messages.h"
#include "web/bound_values.h"

namespace pilaro::web {
namespace {

using emscripten::val;
using messages::FormNotice;

struct PageSetting {
    std::string control, text;
};

struct PageExample {
    std::string option;
    std::vector<PageSetting> entries;  // a list and the entry picked from it
    std::vector<PageSetting> fields;   // a field and the text typed into it
};

struct PageHelpSection {
    std::string heading, text;
};

std::vector<PageSetting> settings(const std::vector<ControlSetting>& list) {
    std::vector<PageSetting> page;
    for (const ControlSetting& s : list)
        page.push_back({std::string(s.control), std::string(s.text)});
    return page;
}

// The example of the method the state holds.
PageExample example(const CalcState& state) {
    const FormExample made = designExample(state.method);
    return {std::string(made.option), settings(made.entries), settings(made.fields)};
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
std::vector<PageSetting> clear(CalcState& state) {
    return settings(clearForm(state));
}

std::vector<PageHelpSection> help() {
    std::vector<PageHelpSection> sections;
    for (const messages::HelpSection& section : messages::formHelp())
        sections.push_back(
            {std::string(section.heading.chinese), std::string(section.text.chinese)});
    return sections;
}

std::string staleHint() {
    return messages::formNotice(FormNotice::StaleHint).chinese;
}

}  // namespace
}  // namespace pilaro::web

EMSCRIPTEN_BINDINGS(pilaro_visit) {
    using namespace emscripten;
    using namespace pilaro::web;
    value_object<PageSetting>("PageSetting")
        .field("control", &PageSetting::control)
        .field("text", &PageSetting::text);
    value_object<PageExample>("PageExample")
        .field("option", &PageExample::option)
        .field("entries", &PageExample::entries)
        .field("fields", &PageExample::fields);
    value_object<PageHelpSection>("PageHelpSection")
        .field("heading", &PageHelpSection::heading)
        .field("text", &PageHelpSection::text);
    register_vector<PageSetting>("PageSettings");
    register_vector<PageHelpSection>("PageHelpSections");
    function("example", &example);
    function("exampleQuestion", &exampleQuestion);
    function("clearQuestion", &clearQuestion);
    function("clear", &clear);
    function("help", &help);
    function("staleHint", &staleHint);
}
