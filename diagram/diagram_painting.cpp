#include "diagram/diagram_painting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>

#include "diagram/diagram_layout.h"
#include "text/text_font.h"

namespace pilaro::diagram {

namespace {

QFont fontOf(int pixels, bool bold = false) {
    QFont font(QString::fromUtf8(text::kTextFont));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QColor colourOf(const Colour& c) {
    return QColor::fromRgba64(static_cast<quint16>(c.red), static_cast<quint16>(c.green),
                              static_cast<quint16>(c.blue), static_cast<quint16>(c.alpha));
}

QPointF pointOf(const Point& p) {
    return {p.x, p.y};
}

// The widths of texts in the painter's font on the painter's device.
class DeviceFontMeasure : public TextMeasure {
  public:
    explicit DeviceFontMeasure(QPaintDevice* device) : device_(device) {}

    double width(const std::string& s, int pixels, bool bold) const override {
        return metrics(pixels, bold).horizontalAdvance(text(s));
    }
    double ascent(int pixels) const override { return metrics(pixels, false).ascent(); }
    double height(int pixels) const override { return metrics(pixels, false).height(); }
    std::string elided(const std::string& s, int pixels, bool bold, double room) const override {
        return metrics(pixels, bold).elidedText(text(s), Qt::ElideRight, room).toStdString();
    }

  private:
    QFontMetricsF metrics(int pixels, bool bold) const {
        return QFontMetricsF(fontOf(pixels, bold), device_);
    }
    QPaintDevice* device_;
};

void paintText(QPainter& p, const DrawnText& t) {
    p.drawText(QPointF(t.x, t.y), text(t.text));
}

void paintTitle(QPainter& p, const DiagramLayout& l) {
    p.setPen(colourOf(l.title.colour));
    p.setFont(fontOf(l.title.pixels, l.title.bold));
    paintText(p, l.title);
    p.setFont(fontOf(l.section.pixels));
    paintText(p, l.section);
}

void paintLegend(QPainter& p, const DiagramLayout& l) {
    p.setFont(fontOf(13));
    for (const LegendEntry& e : l.legend) {
        p.setPen(colourOf(e.name.colour));
        paintText(p, e.name);
        if (e.line) {
            p.setPen(QPen(colourOf(e.colour), kLegendLineWidth));
            p.drawLine(QPointF(e.sampleX, e.sampleY),
                       QPointF(e.sampleX + kLegendLineLength, e.sampleY));
        } else {
            p.setPen(QPen(colourOf(kBlack), kMarkerOutline));
            p.setBrush(colourOf(e.colour));
            p.drawEllipse(QPointF(e.sampleX + kLegendMarkerOffset, e.sampleY), kMarkerRadius,
                          kMarkerRadius);
            p.setBrush(Qt::NoBrush);
        }
    }
}

void paintAxes(QPainter& p, const DiagramLayout& l) {
    p.setFont(fontOf(13));
    const Box& plot = l.plot;
    for (const Tick& t : l.ticksM) {
        p.setPen(QPen(colourOf(t.zero ? kAxisColour : kGridColour), kGridWidth));
        p.drawLine(QPointF(t.at, plot.y), QPointF(t.at, plot.y + plot.height));
        p.setPen(colourOf(t.label.colour));
        paintText(p, t.label);
    }
    for (const Tick& t : l.ticksN) {
        p.setPen(QPen(colourOf(t.zero ? kAxisColour : kGridColour), kGridWidth));
        p.drawLine(QPointF(plot.x, t.at), QPointF(plot.x + plot.width, t.at));
        p.setPen(colourOf(t.label.colour));
        paintText(p, t.label);
    }
    p.setPen(QPen(colourOf(kAxisColour), kGridWidth));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(plot.x, plot.y), QPointF(plot.x + plot.width, plot.y + plot.height)));

    p.setPen(colourOf(l.across.colour));
    p.setFont(fontOf(l.across.pixels));
    paintText(p, l.across);
    p.save();
    p.translate(l.up.x, l.up.y);
    p.rotate(-90);
    p.drawText(QPointF(0, 0), text(l.up.text));
    p.restore();
}

void paintCurve(QPainter& p, const DiagramLayout& l) {
    p.setPen(QPen(colourOf(kCurveColour), kCapWidth, Qt::DashLine));
    p.drawLine(pointOf(l.cap->first), pointOf(l.cap->second));
    QPainterPath path(pointOf(l.curve.front()));
    for (std::size_t i = 1; i < l.curve.size(); ++i) path.lineTo(pointOf(l.curve[i]));
    p.setPen(QPen(colourOf(kCurveColour), kCurveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void paintLoads(QPainter& p, const DiagramLayout& l) {
    p.setFont(fontOf(12));
    for (const LoadMarker& m : l.markers) {
        p.setPen(QPen(colourOf(kBlack), kMarkerOutline));
        p.setBrush(colourOf(markerColour(m.kind)));
        p.drawEllipse(pointOf(m.centre), kMarkerRadius, kMarkerRadius);
    }
    p.setBrush(Qt::NoBrush);
    for (const LoadLabel& label : l.labels) {
        const Box& b = label.ground;
        p.fillRect(QRectF(b.x, b.y, b.width, b.height), colourOf(kLabelGround));
        p.setPen(colourOf(label.name.colour));
        paintText(p, label.name);
    }
}

}  // namespace

void paintDiagram(QPainter& p, const Diagram& d) {
    const DiagramLayout layout = layoutDiagram(d, DeviceFontMeasure(p.device()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, kDiagramWidth, kDiagramHeight), colourOf(kWhite));
    paintTitle(p, layout);
    paintLegend(p, layout);
    paintAxes(p, layout);
    p.save();
    const Box& plot = layout.plot;
    p.setClipRect(
        QRectF(QPointF(plot.x, plot.y), QPointF(plot.x + plot.width, plot.y + plot.height)));
    if (layout.cap) paintCurve(p, layout);
    paintLoads(p, layout);
    p.restore();
}

}  // namespace pilaro::diagram
