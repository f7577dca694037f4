#include "report/report_document.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QString>
#include <algorithm>

#include "report/report_layout.h"
#include "text/text_font.h"

namespace pilaro {

namespace {

// The report keeps this far from every edge of the paper even where the
// printer's own margins are smaller (a PDF file has next to none): most
// printers cannot print closer, and a sheet is filed and punched.
constexpr double kMinimumMarginMillimetres = 15.0;

// The report's font on `printer` at any point size, in device pixels; the
// column is the font's average character width.
SizedFont printerFont(const QFont& font, const QPrinter& printer) {
    const auto sized = [font](double pointSize) {
        QFont f = font;
        f.setPointSizeF(pointSize);
        return f;
    };
    return {
        [sized, &printer](double pointSize) {
            return double(std::max(1, QFontMetrics(sized(pointSize), &printer).averageCharWidth()));
        },
        [sized, &printer](const std::string& text, double pointSize) {
            return QFontMetricsF(sized(pointSize), &printer)
                .horizontalAdvance(QString::fromStdString(text));
        }};
}

// Where the runs of a line go with `font` on `printer`, in device pixels.
std::vector<PlacedText> placeOnPrinter(const ReportLine& line, const QFont& font,
                                       const QPrinter& printer) {
    const SizedFont measure = printerFont(font, printer);
    const double pointSize = font.pointSizeF();
    return placeLine(line, measure.column(pointSize),
                     [&](const std::string& text) { return measure.width(text, pointSize); });
}

// The part of the page the report fills, in device pixels from the
// painter's origin, the top left corner of the printer's printable area.
QRectF reportArea(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const int dpi = printer.resolution();
    const QRectF printable = layout.paintRectPixels(dpi);
    const double margin = kMinimumMarginMillimetres / 25.4 * dpi;
    const QRectF inside = QRectF(layout.fullRectPixels(dpi))
                              .marginsRemoved(QMarginsF(margin, margin, margin, margin));
    return printable.intersected(inside).translated(-printable.topLeft());
}

bool failed(const QPrinter& printer, const QPainter& painter) {
    return !painter.isActive() || printer.printerState() == QPrinter::Error;
}

}  // namespace

QFont reportFont(const QPrinter& printer, const std::vector<ReportLine>& lines) {
    QFont font(QString::fromUtf8(text::kTextFont));
    font.setPointSizeF(
        fittingPointSize(lines, reportArea(printer).width(), printerFont(font, printer)));
    return font;
}

bool printCopies(QPrinter& printer, const std::vector<ReportLine>& lines, int copies,
                 bool pagePerCopy) {
    const QFont font = reportFont(printer, lines);
    std::vector<std::vector<PlacedText>> placed;
    for (const ReportLine& line : lines) placed.push_back(placeOnPrinter(line, font, printer));

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const QRectF area = reportArea(printer);

    const double top = area.top() + metrics.ascent();
    double baseline = top;
    for (int copy = 1; copy <= copies; ++copy) {
        if (pagePerCopy && copy > 1) {
            if (!printer.newPage()) {
                printer.abort();
                return false;
            }
            baseline = top;
        }
        for (const std::vector<PlacedText>& texts : placed) {
            // A full page turns over; a line taller than an empty page is
            // printed anyway rather than turning pages for ever.
            if (baseline > top && baseline + metrics.descent() > area.bottom()) {
                if (!printer.newPage()) {
                    printer.abort();
                    return false;
                }
                baseline = top;
            }
            for (const PlacedText& text : texts)
                painter.drawText(QPointF(area.left() + text.x, baseline),
                                 QString::fromStdString(text.text));
            if (failed(printer, painter)) {
                printer.abort();
                return false;
            }
            baseline += metrics.lineSpacing();
        }
    }
    return painter.end();
}

}  // namespace pilaro
