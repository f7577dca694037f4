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

#include "diagram/text_font.h"
#include "report/report_layout.h"

namespace pilaro {

namespace {

constexpr double kPointSize = 10.0;
constexpr double kSmallestPointSize = 4.0;
// The report keeps this far from every edge of the paper even where the
// printer's own margins are smaller (a PDF file has next to none): most
// printers cannot print closer, and a sheet is filed and punched.
constexpr double kMinimumMarginMillimetres = 15.0;

// Where the runs of a line go with `font` on `printer`, in device pixels.
std::vector<PlacedText> placeOnPrinter(const ReportLine& line, const QFont& font,
                                       const QPrinter& printer) {
    const QFontMetricsF metrics(font, &printer);
    const double column = std::max(1, QFontMetrics(font, &printer).averageCharWidth());
    return placeLine(line, column, [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    });
}

double widestLine(const std::vector<ReportLine>& lines, const QFont& font,
                  const QPrinter& printer) {
    const QFontMetricsF metrics(font, &printer);
    double widest = 0.0;
    for (const ReportLine& line : lines) {
        const PlacedText last = placeOnPrinter(line, font, printer).back();
        widest =
            std::max(widest, last.x + metrics.horizontalAdvance(QString::fromStdString(last.text)));
    }
    return widest;
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
    QFont font(QString::fromUtf8(diagram::kTextFont));
    font.setPointSizeF(kPointSize);
    const double pageWidth = reportArea(printer).width();
    // Text past the right edge would be cut off and its values lost, so a
    // line too wide for the page shrinks the whole report instead. Glyph
    // widths do not scale exactly, hence a few rounds.
    for (int round = 0; round < 4; ++round) {
        const double widest = widestLine(lines, font, printer);
        if (widest <= pageWidth || font.pointSizeF() <= kSmallestPointSize) break;
        font.setPointSizeF(
            std::max(kSmallestPointSize, font.pointSizeF() * pageWidth / widest * 0.98));
    }
    return font;
}

bool printCopies(QPrinter& printer, const std::vector<ReportLine>& lines, int copies) {
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
