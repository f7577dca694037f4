#include "ui/diagram_window.h"

#include <QApplication>
#include <QPainter>

#include "diagram/diagram_layout.h"
#include "diagram/diagram_painting.h"
#include "messages/form_messages.h"
#include "ui/message_box.h"
#include "ui/qt_text.h"

namespace pilaro {

namespace {

// Four fifths of the drawing's own size: its texts stay legible, and the
// window fits a laptop's screen (1366 x 768) beside the form.
constexpr int kStartWidth = diagram::kDiagramWidth * 4 / 5;
constexpr int kStartHeight = diagram::kDiagramHeight * 4 / 5;

}  // namespace

DiagramWindow::DiagramWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    setAttribute(Qt::WA_ShowWithoutActivating);
    resize(kStartWidth, kStartHeight);
    setMinimumSize(diagram::kDiagramWidth / 4, diagram::kDiagramHeight / 4);
}

void DiagramWindow::showDiagrams(FormDiagrams drawn) {
    drawn_ = std::move(drawn);
    stale_ = false;
    QString title = QString::fromUtf8(kApplicationTitle);
    if (!drawn_.diagrams.empty())
        title += QStringLiteral(" — ") + toQString(diagram::documentTitle(drawn_.diagrams.front()));
    setWindowTitle(title);
    if (!placed_ && parentWidget()) {
        move(parentWidget()->frameGeometry().topRight() + QPoint(8, 0));
        placed_ = true;
    }
    // The form keeps the focus, for the next edit or Enter: a platform that
    // activates every window shown is given its window back.
    QWidget* active = QApplication::activeWindow();
    show();
    if (active && active != this) active->activateWindow();
    update();
}

void DiagramWindow::clear() {
    drawn_ = {};
    stale_ = false;
    hide();
}

void DiagramWindow::setStale(bool stale) {
    if (stale == stale_) return;
    stale_ = stale;
    update();
}

void DiagramWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!drawn_.diagrams.empty()) {
        // The drawing centred at the largest scale that fits, as a picture
        // file is drawn on its page.
        const double scale = std::min(width() / double(diagram::kDiagramWidth),
                                      height() / double(diagram::kDiagramHeight));
        p.save();
        p.translate((width() - diagram::kDiagramWidth * scale) / 2,
                    (height() - diagram::kDiagramHeight * scale) / 2);
        p.scale(scale, scale);
        diagram::paintDiagram(p, drawn_.diagrams.front());
        p.restore();
    } else {
        QString why;
        for (const std::string& problem : drawn_.problems) why += toQString(problem) + '\n';
        p.drawText(rect().adjusted(12, 12, -12, -12), Qt::TextWordWrap, why);
    }
    if (stale_) {
        // Faded, and the reason on a ground of its own above the drawing.
        p.fillRect(rect(), QColor(255, 255, 255, 170));
        const QString hint =
            toQString(messages::formNotice(messages::FormNotice::StaleHint).chinese);
        QRect box = p.fontMetrics().boundingRect(hint).adjusted(-10, -5, 10, 5);
        box.moveCenter(QPoint(width() / 2, box.height() / 2 + 6));
        p.fillRect(box, Qt::white);
        p.setPen(QColor(0xa5, 0x25, 0x1e));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.drawText(box, Qt::AlignCenter, hint);
    }
}

}  // namespace pilaro
