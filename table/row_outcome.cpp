#include "table/row_outcome.h"

#include "jtg3362/messages.h"
#include "jtg3362/run.h"
#include "jtg3362/status_name.h"
#include "messages/run_messages.h"
#include "text/shown_text.h"

namespace pilaro::table {

using text::withoutLeadingBlank;

namespace {

void runCurrentCode(RowOutcome& out) {
    out.current = jtg3362::run(out.row.current);
    out.status = jtg3362::statusName(out.current.status);
    out.message = jtg3362::statusMessage(out.current);
    out.hasResult = out.current.status == jtg3362::Status::Done;
    out.statusText = out.hasResult ? std::string(messages::doneWording().chinese) : out.message;
    out.checkRoad = out.row.current.task == jtg3362::Task::Check;
    out.currentReadOuts = jtg3362::readOuts(out.row.current.task, out.current);
}

}  // namespace

RowOutcome runRow(RowCase row) {
    RowOutcome out;
    out.row = std::move(row);
    if (!out.row.errors.empty()) {
        out.status = kInputError;
        for (const RowError& error : out.row.errors) {
            out.message += (out.message.empty() ? "" : "; ") + error.output.english;
            // Each Chinese message ends with its own full stop.
            out.statusText += error.output.chinese;
        }
        return out;
    }
    if (out.isCurrentCode()) {
        runCurrentCode(out);
        return out;
    }
    const CalcStatus status = runCalculation(out.row.input, out.result);
    out.stop = status;
    out.status = statusName(status);
    out.message = statusMessage(status);
    out.hasResult = status == CalcStatus::Done;
    out.statusText = out.hasResult ? std::string(messages::doneWording().chinese) : out.message;
    out.checkRoad = takesCheckRoad(out.row.input);
    if (!out.hasResult) return out;

    out.readOuts = readOuts(out.result, out.checkRoad);
    for (std::string& text : out.readOuts) text = withoutLeadingBlank(std::move(text));
    return out;
}

std::string toldMessage(const RowOutcome& o, Language language) {
    if (o.row.errors.empty() && o.isCurrentCode())
        return jtg3362::statusMessage(o.current, language);
    if (o.row.errors.empty()) return std::string(statusMessage(o.stop, language));
    std::string text;
    for (const RowError& error : o.row.errors) {
        // Each Chinese message ends with its own full stop.
        if (!text.empty() && language == Language::English) text += "; ";
        text += error.told.in(language);
    }
    return text;
}

}  // namespace pilaro::table
