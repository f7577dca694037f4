#include "report/report_printer.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "form/calc_state.h"
#include "report/printed_sheet.h"
#include "report/report_document.h"

namespace pilaro {

namespace {

bool standardPrinterDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void printReport(const CalcState& state, QWidget* parent, const PrinterDialogStep& dialog) {
    QPrinter printer(QPrinter::HighResolution);
    // Cancel (or Esc) ends the action silently: nothing printed, no message.
    const bool accepted = dialog ? dialog(printer, parent) : standardPrinterDialog(printer, parent);
    if (!accepted) return;

    // The copies are printed here, one after another in one document. Left
    // on the printer, the count would make a CUPS printer repeat the whole
    // job as well, and 3 copies would come out as 9.
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    if (copies < 1) return;

    // A failing printer ends the action without a message; the job has
    // already been aborted by then.
    const PrintedSheet sheet = printedSheet(state);
    static_cast<void>(printCopies(printer, sheet.lines, copies, sheet.pagePerCopy));
}

}  // namespace pilaro
