#include "table/row_outcome.h"

#include "messages/run_messages.h"
#include "text/shown_text.h"

namespace pilaro::table {

using text::withoutLeadingBlank;

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
