// The copies of the report painted onto a printer as one document.
#pragma once

#include <vector>

#include "report/report_lines.h"

class QFont;
class QPrinter;

namespace pilaro {

// The printer font: one with Chinese glyphs whose text a PDF reader can
// extract again, at 10 pt, made smaller only when the widest line of
// `lines` would run into the right margin (15 mm, or the printer's own
// where that is wider).
[[nodiscard]] QFont reportFont(const QPrinter& printer, const std::vector<ReportLine>& lines);

// Paints `copies` copies of `lines`, one after another with no gap and no
// page break between them (or, with `pagePerCopy`, each from the top of a
// page of its own), at least 15 mm from every edge of the paper, turning
// to a new page when a page is full.
// False when the printer fails on the way; the job is then aborted, so no
// half report is released.
[[nodiscard]] bool printCopies(QPrinter& printer, const std::vector<ReportLine>& lines, int copies,
                               bool pagePerCopy = false);

}  // namespace pilaro
