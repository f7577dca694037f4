#include "table/row_outcome.h"

#include <algorithm>

#include "engine/read_outs.h"
#include "table/shown_text.h"

namespace pilaro::table {

const std::array<std::string_view, kReadOutCount>& readOutNames() {
    static const std::array<std::string_view, kReadOutCount> names = {
        "xi",  "coefA", "coefB",    "coefC", "coefD", "rho",    "AgRequired", "D12",
        "D14", "D16",   "D18",      "D20",   "D22",   "D25",    "D28",        "D32",
        "D34", "D36",   "rhoGiven", "Nq",    "Mq",    "verdict"};
    return names;
}

const std::string& RowOutcome::readOut(std::string_view name) const {
    const auto& names = readOutNames();
    const auto at = std::find(names.begin(), names.end(), name);
    return readOuts.at(static_cast<std::size_t>(at - names.begin()));
}

RowOutcome runRow(RowCase row) {
    RowOutcome out;
    out.row = std::move(row);
    if (!out.row.errors.empty()) {
        out.status = kInputError;
        for (const std::string& error : out.row.errors)
            out.message += (out.message.empty() ? "" : "; ") + error;
        return out;
    }
    const CalcStatus status = runCalculation(out.row.input, out.result);
    out.status = statusName(status);
    out.message = statusMessage(status);
    out.hasResult = status == CalcStatus::Done;
    out.checkRoad = takesCheckRoad(out.row.input);
    if (!out.hasResult) return out;

    const auto& names = readOutNames();
    for (ReadOut& readOut : readOuts(out.result, out.checkRoad)) {
        const auto at = std::find(names.begin(), names.end(), readOut.name);
        if (at == names.end()) continue;  // a field the tables do not list
        std::string& text = out.readOuts[static_cast<std::size_t>(at - names.begin())];
        text = withoutLeadingBlank(std::move(readOut.text));
    }
    return out;
}

}  // namespace pilaro::table
