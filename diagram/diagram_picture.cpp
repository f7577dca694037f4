#include "diagram/diagram_picture.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cstdio>

#include "diagram/diagram_painting.h"
#include "engine/vector_state.h"

namespace pilaro::diagram {

namespace {

QString titleOf(const Diagram& d) {
    return QString::fromStdString(documentTitle(d));
}

// The drawing centred on the device at the largest scale that fits.
bool paintOn(QPaintDevice& device, const Diagram& d) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const double scale =
        std::min(device.width() / double(kDiagramWidth), device.height() / double(kDiagramHeight));
    painter.translate((device.width() - kDiagramWidth * scale) / 2,
                      (device.height() - kDiagramHeight * scale) / 2);
    painter.scale(scale, scale);
    paintDiagram(painter, d);
    return painter.end();
}

std::string bytesOf(const QByteArray& bytes) {
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

namespace {

// Qt's notes about its own set-up (a runtime directory, fonts) are no
// concern of a batch run's user; only its errors are told.
void toldErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "pilaro-batch: %s\n", message.toLocal8Bit().constData());
}

}  // namespace

PaintingApplication::PaintingApplication() {
    if (QCoreApplication::instance()) return;
    qInstallMessageHandler(toldErrorsOnly);
    static int argc = 3;
    static char program[] = "pilaro-batch";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, option, platform, nullptr};
    application_ = std::make_unique<QGuiApplication>(argc, argv);
    // Qt's start-up leaves the upper vector halves in use.
    clearUpperVectorHalves();
}

PaintingApplication::~PaintingApplication() = default;

std::string diagramPicture(const Diagram& d, DiagramFormat format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    switch (format) {
        case DiagramFormat::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(QSize(kDiagramWidth, kDiagramHeight));
            svg.setViewBox(QRect(0, 0, kDiagramWidth, kDiagramHeight));
            svg.setResolution(96);  // a pixel of a screen
            svg.setTitle(titleOf(d));
            svg.setDescription(QStringLiteral("Pilaro"));
            if (!paintOn(svg, d)) return {};
            break;
        }
        case DiagramFormat::Png: {
            QImage image(kPngWidth, kPngHeight, QImage::Format_RGB32);
            image.fill(Qt::white);
            if (!paintOn(image, d) || !image.save(&buffer, "PNG", 80)) return {};
            break;
        }
        case DiagramFormat::Pdf: {
            QPdfWriter pdf(&buffer);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
            pdf.setTitle(titleOf(d));
            pdf.setCreator(QStringLiteral("Pilaro"));
            if (!paintOn(pdf, d)) return {};
            break;
        }
    }
    buffer.close();
    return bytesOf(bytes);
}

}  // namespace pilaro::diagram
