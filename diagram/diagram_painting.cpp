#include "diagram/diagram_painting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QString>
#include <algorithm>
#include <numeric>

#include "diagram/diagram_axes.h"
#include "diagram/diagram_labels.h"
#include "diagram/diagram_picture.h"
#include "diagram/text_font.h"
#include "engine/number_text.h"
#include "table/shown_text.h"

namespace pilaro::diagram {

namespace {

using table::plainNumber;

// The plot within the drawing, and the room around it for the title, the
// ticks and the axis names.
constexpr double kLeft = 100, kTop = 78, kRight = kDiagramWidth - 30, kBottom = kDiagramHeight - 80;
constexpr double kMarkerRadius = 5;
constexpr std::size_t kMostLabels = 40;
constexpr int kMostTicks = 9;

const QColor kPassColour(0x1a, 0x98, 0x50);
const QColor kFailColour(0xd7, 0x30, 0x27);
const QColor kCurveColour(0x1f, 0x4e, 0x9c);
const QColor kGridColour(0xdd, 0xdd, 0xdd);
const QColor kAxisColour(0x55, 0x55, 0x55);

QFont fontOf(double pixels, bool bold = false) {
    QFont font(QString::fromUtf8(kTextFont));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

struct Frame {
    Axis M, N;

    double x(double M_) const { return kLeft + (M_ - M.low) / (M.high - M.low) * (kRight - kLeft); }
    double y(double N_) const {
        return kBottom - (N_ - N.low) / (N.high - N.low) * (kBottom - kTop);
    }
};

bool drawn(const LoadMark& m) {
    return m.hasPoint && m.hasVerdict();
}

// Room of a twentieth of the span beyond the farthest point, so that its
// marker and name stay inside.
Frame frameOf(const Diagram& d) {
    double lowM = 0, highM = 0, lowN = 0, highN = 0;
    const auto take = [&](double M, double N) {
        lowM = std::min(lowM, M);
        highM = std::max(highM, M);
        lowN = std::min(lowN, N);
        highN = std::max(highN, N);
    };
    for (const CurvePoint& p : d.curve) take(p.M, p.N);
    for (const LoadMark& m : d.loads)
        if (drawn(m)) take(m.M, m.N);
    const double padM = (highM - lowM) / 20, padN = (highN - lowN) / 20;
    return {roundAxis(lowM < 0 ? lowM - padM : 0, highM + padM, kMostTicks),
            roundAxis(lowN < 0 ? lowN - padN : 0, highN + padN, kMostTicks)};
}

void paintTitle(QPainter& p, const Diagram& d) {
    p.setPen(Qt::black);
    p.setFont(fontOf(20, true));
    // A long member name gives way to the legend; the file name has it whole.
    const QString name = QFontMetricsF(p.font()).elidedText(text(d.member), Qt::ElideRight, 300);
    p.drawText(QPointF(kLeft, 32), name + (name.isEmpty() ? "" : "  ") + "N–M 相关曲线");

    std::string line = "直径 D＝" + plainNumber(d.D) + " m，保护层 a＝" + plainNumber(d.a) +
                       " m，" + std::string(d.concrete) + "混凝土，" + std::string(d.steel) +
                       "钢筋，钢筋 " + d.steelText;
    if (d.steelText.find("cm²") == std::string::npos)
        line += "（" + plainNumber(floorToDecimals(d.Ag, 3)) + " cm²）";
    line += "，配筋率＝" + plainNumber(floorToDecimals(d.rho, 4));
    // A long line shrinks rather than losing its values past the edge.
    QFont font = fontOf(15);
    const double room = kRight - kLeft;
    const double width = QFontMetricsF(font).horizontalAdvance(text(line));
    if (width > room) font.setPixelSize(std::max(8, static_cast<int>(15 * room / width)));
    p.setFont(font);
    p.drawText(QPointF(kLeft, 58), text(line));
}

void paintLegend(QPainter& p) {
    p.setFont(fontOf(13));
    const QFontMetricsF metrics(p.font());
    double x = kRight;
    const auto entry = [&](const QString& name, const QColor& colour, bool line) {
        x -= metrics.horizontalAdvance(name);
        p.setPen(Qt::black);
        p.drawText(QPointF(x, 30), name);
        x -= 22;
        if (line) {
            p.setPen(QPen(colour, 2));
            p.drawLine(QPointF(x, 25), QPointF(x + 16, 25));
        } else {
            p.setPen(QPen(Qt::black, 0.8));
            p.setBrush(colour);
            p.drawEllipse(QPointF(x + 8, 25), kMarkerRadius, kMarkerRadius);
            p.setBrush(Qt::NoBrush);
        }
        x -= 18;
    };
    entry(QStringLiteral("重新配筋"), kFailColour, false);
    entry(QStringLiteral("通过验算"), kPassColour, false);
    entry(QStringLiteral("截面承载力"), kCurveColour, true);
}

void paintAxes(QPainter& p, const Frame& f) {
    p.setFont(fontOf(13));
    const QFontMetricsF metrics(p.font());
    for (double M : f.M.ticks) {
        const double x = f.x(M);
        p.setPen(QPen(M == 0 ? kAxisColour : kGridColour, 1));
        p.drawLine(QPointF(x, kTop), QPointF(x, kBottom));
        const QString label = text(tickText(M, f.M.step));
        p.setPen(Qt::black);
        p.drawText(QPointF(x - metrics.horizontalAdvance(label) / 2, kBottom + 20), label);
    }
    for (double N : f.N.ticks) {
        const double y = f.y(N);
        p.setPen(QPen(N == 0 ? kAxisColour : kGridColour, 1));
        p.drawLine(QPointF(kLeft, y), QPointF(kRight, y));
        const QString label = text(tickText(N, f.N.step));
        p.setPen(Qt::black);
        p.drawText(
            QPointF(kLeft - 8 - metrics.horizontalAdvance(label), y + metrics.ascent() / 2 - 1),
            label);
    }
    p.setPen(QPen(kAxisColour, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(kLeft, kTop), QPointF(kRight, kBottom)));

    p.setPen(Qt::black);
    p.setFont(fontOf(15));
    const QFontMetricsF names(p.font());
    const QString across = QStringLiteral("弯矩 M（kN·m）");
    p.drawText(QPointF((kLeft + kRight - names.horizontalAdvance(across)) / 2, kBottom + 52),
               across);
    const QString up = QStringLiteral("轴向力 N（kN）");
    p.save();
    p.translate(30, (kTop + kBottom + names.horizontalAdvance(up)) / 2);
    p.rotate(-90);
    p.drawText(QPointF(0, 0), up);
    p.restore();
}

void paintCurve(QPainter& p, const Diagram& d, const Frame& f) {
    // Below the top's eccentricity the check takes the top's capacity: the
    // region closes towards the N axis at the top's axial force.
    const CurvePoint& top = d.curve.front();
    p.setPen(QPen(kCurveColour, 1.5, Qt::DashLine));
    p.drawLine(QPointF(f.x(0), f.y(top.N)), QPointF(f.x(top.M), f.y(top.N)));
    QPainterPath path(QPointF(f.x(top.M), f.y(top.N)));
    for (const CurvePoint& c : d.curve) path.lineTo(f.x(c.M), f.y(c.N));
    p.setPen(QPen(kCurveColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void paintLoads(QPainter& p, const Diagram& d, const Frame& f) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < d.loads.size(); ++i)
        if (drawn(d.loads[i])) order.push_back(i);
    // The governing cases (smallest margin) are named first.
    std::stable_sort(order.begin(), order.end(), [&d](std::size_t a, std::size_t b) {
        return d.loads[a].margin < d.loads[b].margin;
    });

    p.setFont(fontOf(12));
    const QFontMetricsF metrics(p.font());
    std::vector<LabelWish> wishes;
    for (std::size_t i : order) {
        const LoadMark& m = d.loads[i];
        wishes.push_back(
            {f.x(m.M), f.y(m.N), metrics.horizontalAdvance(text(m.name)), metrics.height()});
    }
    const std::vector<std::optional<Box>> labels = placeLabels(
        wishes, {kLeft, kTop, kRight - kLeft, kBottom - kTop}, kMarkerRadius, kMostLabels);

    // Failing markers last, so that none hides under a passing one.
    for (bool failing : {false, true})
        for (std::size_t k = order.size(); k-- > 0;) {
            const LoadMark& m = d.loads[order[k]];
            if (m.passes() == failing) continue;
            p.setPen(QPen(Qt::black, 0.8));
            p.setBrush(m.passes() ? kPassColour : kFailColour);
            p.drawEllipse(QPointF(wishes[k].x, wishes[k].y), kMarkerRadius, kMarkerRadius);
        }
    p.setBrush(Qt::NoBrush);
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (!labels[k]) continue;
        const LoadMark& m = d.loads[order[k]];
        // A pale ground keeps a name legible where it crosses the curve.
        const Box& b = *labels[k];
        p.fillRect(QRectF(b.x - 1, b.y, b.width + 2, b.height), QColor(255, 255, 255, 200));
        p.setPen(m.passes() ? Qt::black : kFailColour.darker(130));
        p.drawText(QPointF(labels[k]->x, labels[k]->y + metrics.ascent()), text(m.name));
    }
}

}  // namespace

void paintDiagram(QPainter& p, const Diagram& d) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, kDiagramWidth, kDiagramHeight), Qt::white);
    const Frame frame = frameOf(d);
    paintTitle(p, d);
    paintLegend(p);
    paintAxes(p, frame);
    p.save();
    p.setClipRect(QRectF(QPointF(kLeft, kTop), QPointF(kRight, kBottom)));
    if (!d.curve.empty()) paintCurve(p, d, frame);
    paintLoads(p, d, frame);
    p.restore();
}

}  // namespace pilaro::diagram
