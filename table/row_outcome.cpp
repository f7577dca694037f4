#include "table/row_outcome.h"

#include "jtg3362/messages.h"
#include "jtg3362/run.h"
#include "jtg3362/status_name.h"
#include "messages/run_messages.h"
#include "text/shown_text.h"

namespace pilaro::table {

namespace {

void writeCurrentCode(RowOutcome& out, const jtg3362::Outcome& current) {
    out.current = current;
    out.status = jtg3362::statusName(out.current.status);
    out.message = jtg3362::statusMessage(out.current);
    out.hasResult = out.current.status == jtg3362::Status::Done;
    out.statusText = out.hasResult ? std::string(messages::doneWording().chinese) : out.message;
    out.checkRoad = out.row.current.task == jtg3362::Task::Check;
    out.currentReadOuts = jtg3362::readOuts(out.row.current.task, out.current);
}

}  // namespace

std::uint64_t cellsDigest(const RowCase& row) {
    std::uint64_t digest = 0xcbf29ce484222325ULL;
    const auto add = [&digest](std::string_view cell) {
        for (const char c : cell)
            digest = (digest ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
        // Where one cell ends counts too: "ab","c" is not "a","bc".
        digest = (digest ^ 0x100U) * 0x100000001b3ULL;
    };
    for (const std::string& cell : row.cells) add(cell);
    for (const std::string& cell : row.otherCells) add(cell);
    return digest;
}

namespace {

// The engine's answer alone, by the method the row's grades choose.
void runEngine(const RowCase& row, RowAnswer& answer) {
    if (!row.errors.empty()) return;
    if (row.method == Method::Jtg3362)
        answer.current = jtg3362::run(row.current);
    else
        answer.stop = runCalculation(row.input, answer.result);
}

}  // namespace

RowAnswer answerRow(const RowCase& row) {
    RowAnswer answer;
    answer.line = row.line;
    answer.cells = cellsDigest(row);
    runEngine(row, answer);
    return answer;
}

RowOutcome runRow(RowCase row, const RowAnswer& answer) {
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
        writeCurrentCode(out, answer.current);
        return out;
    }
    const CalcStatus status = answer.stop;
    out.result = answer.result;
    out.stop = status;
    out.status = statusName(status);
    out.message = statusMessage(status);
    out.hasResult = status == CalcStatus::Done;
    out.statusText = out.hasResult ? std::string(messages::doneWording().chinese) : out.message;
    out.checkRoad = takesCheckRoad(out.row.input);
    if (!out.hasResult) return out;

    out.readOuts = readOuts(out.result, out.checkRoad);
    for (std::string& shown : out.readOuts) text::dropLeadingBlank(shown);
    return out;
}

RowOutcome runRow(RowCase row) {
    // An answer made here is this row's own: it needs no digest.
    RowAnswer answer;
    runEngine(row, answer);
    return runRow(std::move(row), answer);
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
