#include "form/shown_results.h"

namespace pilaro {

ControlText recordingReads(const ControlText& controlText, ReadInputs& read) {
    return [&controlText, &read](std::string_view control) {
        std::string text = controlText(control);
        read.texts.emplace_back(std::string(control), text);
        return text;
    };
}

bool resultsStale(const CalcState& state, const ControlText& controlText) {
    if (!state.shownRun) return false;
    if (state.type != state.shownRun->type || state.method != state.shownRun->method) return true;
    for (const auto& [control, text] : state.shownRun->texts)
        if (controlText(control) != text) return true;
    return false;
}

}  // namespace pilaro
