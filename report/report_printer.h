// The printed report on a real printer (or a PDF file): the printer dialog,
// the copies and the lines of each copy.
#pragma once

#include <functional>

class QPrinter;
class QWidget;

namespace pilaro {

struct CalcState;

// Shows the printer dialog for `printer` on `parent`; false when the user
// cancels. Tests inject their own step to answer it without a modal loop.
using PrinterDialogStep = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The print button's action: asks for printer and copies, then prints that
// many copies of the report of `state` in one document. Cancel and printer
// failures end it silently. Never changes the state. An empty `dialog`
// means the standard printer dialog.
void printReport(const CalcState& state, QWidget* parent, const PrinterDialogStep& dialog = {});

}  // namespace pilaro
