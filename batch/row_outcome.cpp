#include "batch/row_outcome.h"

namespace pilaro::batch {

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

    out.readOuts = readOuts(out.result, out.checkRoad);
    for (std::string& text : out.readOuts)
        if (text.starts_with(' ')) text.erase(0, 1);
    return out;
}

}  // namespace pilaro::batch
