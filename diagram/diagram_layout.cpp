#include "diagram/diagram_layout.h"

#include <algorithm>

#include "diagram/diagram_axes.h"
#include "engine/number_text.h"
#include "jtg3362/decimal_text.h"
#include "jtg3362/read_outs.h"
#include "messages/diagram_words.h"
#include "text/shown_text.h"
#include "text/utf8.h"

namespace pilaro::diagram {

namespace {

using messages::DiagramWord;
using text::plainNumber;

// The diagram speaks Chinese, as the window does.
std::string_view diagramWordText(DiagramWord word) {
    return messages::diagramWord(word).chinese;
}

// The plot within the drawing, and the room around it for the title, the
// ticks and the axis names.
constexpr double kLeft = 100, kTop = 78, kRight = kDiagramWidth - 30, kBottom = kDiagramHeight - 80;
constexpr std::size_t kMostLabels = 40;
constexpr int kMostTicks = 9;
constexpr double kLongestMemberName = 300;  // the rest of the title's line is the legend's
constexpr double kShortestRoom = 60;        // a member's name keeps at least this much

// "（JTG 3362-2018，γ0＝1.1）": γ0 with the decimals it is typed with.
std::string currentCodeNote(const Diagram& d) {
    return messages::diagramMethodNote(
               jtg3362::decimalText(d.gamma0, 1, jtg3362::Rounding::Nearest))
        .chinese;
}

// A given area as the current code shows it: never more than the bars
// supply.
std::string currentAreaText(double As) {
    return jtg3362::decimalText(As, 2, jtg3362::Rounding::Down);
}

// M where the curve, from its compressed end down, first falls to N: the
// corner of the axial limit's cap. N lies within the curve's forces.
double momentAtAxialForce(const std::vector<CurvePoint>& curve, double N) {
    for (std::size_t i = curve.size(); i-- > 1;) {
        const CurvePoint& upper = curve[i];
        const CurvePoint& lower = curve[i - 1];
        if (lower.N <= N && N <= upper.N && upper.N > lower.N)
            return lower.M + (upper.M - lower.M) * (N - lower.N) / (upper.N - lower.N);
    }
    return 0;
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

bool isCurrentCode(const Diagram& d) {
    return d.method == table::Method::Jtg3362;
}

void layTitle(DiagramLayout& l, const Diagram& d, const TextMeasure& measure) {
    // The current code's diagram names the code and its γ0.
    const std::string note = isCurrentCode(d) ? currentCodeNote(d) : std::string();
    // A long member name gives way to the legend; the file name has it whole.
    const double nameRoom = kLongestMemberName - measure.width(note, 20, true);
    const std::string name = measure.elided(d.member, 20, true, std::max(nameRoom, kShortestRoom));
    l.title = {
        name + (name.empty() ? "" : "  ") + std::string(diagramWordText(DiagramWord::Title)) + note,
        kLeft,
        32,
        20,
        true,
        kBlack};

    // An area is told beside bars, not twice. The current code's figures
    // have their leading zero, as its read-outs do.
    const bool bars = d.steelText.find("cm²") == std::string::npos;
    const std::string area = !bars              ? std::string()
                             : isCurrentCode(d) ? currentAreaText(d.Ag)
                                                : plainNumber(floorToDecimals(d.Ag, 3));
    const std::string rho = isCurrentCode(d)
                                ? jtg3362::figureText(jtg3362::ReadOut::RhoGiven, d.rho)
                                : plainNumber(floorToDecimals(d.rho, 4));
    const auto size = [&d](double value) {
        const std::string text = plainNumber(value);
        return isCurrentCode(d) && text.starts_with('.') ? "0" + text : text;
    };
    const std::string line = messages::diagramSectionLine(size(d.D), size(d.a), d.concrete, d.steel,
                                                          d.steelText, area, rho)
                                 .chinese;
    // A long line shrinks rather than losing its values past the edge.
    int pixels = 15;
    const double room = kRight - kLeft;
    const double width = measure.width(line, pixels, false);
    if (width > room) pixels = std::max(8, static_cast<int>(15 * room / width));
    l.section = {line, kLeft, 58, pixels, false, kBlack};
}

MarkerKind kindOf(const LoadMark& m) {
    return m.design ? MarkerKind::Design : m.passes() ? MarkerKind::Passes : MarkerKind::Fails;
}

// From the right: the failing and the passing marker, the design marker
// where a design is drawn, and the curve.
void layLegend(DiagramLayout& l, const Diagram& d, const TextMeasure& measure) {
    double x = kRight;
    const auto entry = [&](DiagramWord word, const Colour& colour, bool line) {
        const std::string name(diagramWordText(word));
        x -= measure.width(name, 13, false);
        LegendEntry e;
        e.name = {name, x, 30, 13, false, kBlack};
        x -= 22;
        e.line = line;
        e.colour = colour;
        e.sampleX = x;
        e.sampleY = 25;
        l.legend.push_back(std::move(e));
        x -= 18;
    };
    entry(DiagramWord::Fails, kFailColour, false);
    entry(DiagramWord::Passes, kPassColour, false);
    if (std::any_of(d.loads.begin(), d.loads.end(),
                    [](const LoadMark& m) { return drawn(m) && m.design; }))
        entry(DiagramWord::Design, kDesignColour, false);
    entry(DiagramWord::Capacity, kCurveColour, true);
}

void layAxes(DiagramLayout& l, const Frame& f, const TextMeasure& measure) {
    for (double M : f.M.ticks) {
        const double x = f.x(M);
        const std::string label = tickText(M, f.M.step);
        l.ticksM.push_back(
            {x, M == 0, {label, x - measure.width(label, 13, false) / 2, kBottom + 20, 13}});
    }
    for (double N : f.N.ticks) {
        const double y = f.y(N);
        const std::string label = tickText(N, f.N.step);
        l.ticksN.push_back({y,
                            N == 0,
                            {label, kLeft - 8 - measure.width(label, 13, false),
                             y + measure.ascent(13) / 2 - 1, 13}});
    }
    const std::string across(diagramWordText(DiagramWord::MomentAxis));
    l.across = {across, (kLeft + kRight - measure.width(across, 15, false)) / 2, kBottom + 52, 15};
    const std::string up(diagramWordText(DiagramWord::AxialForceAxis));
    l.up = {up, 30, (kTop + kBottom + measure.width(up, 15, false)) / 2, 15};
}

// The current code's curve runs from the steel in tension to the section
// in compression, closing on the N axis; the region it bounds is capped by
// the axial limit, drawn dashed from the N axis to the curve, and named.
void layCurrentCodeCurve(DiagramLayout& l, const Diagram& d, const Frame& f,
                         const TextMeasure& measure) {
    const double M = momentAtAxialForce(d.curve, d.Nmax);
    l.cap = {{f.x(0), f.y(d.Nmax)}, {f.x(M), f.y(d.Nmax)}};
    for (const CurvePoint& c : d.curve) l.curve.push_back({f.x(c.M), f.y(c.N)});

    const std::string name =
        messages::diagramAxialLimit(jtg3362::figureText(jtg3362::ReadOut::NuAxial, d.Nmax)).chinese;
    const double width = measure.width(name, 12, false), height = measure.height(12);
    // Above the line, beside the N axis; below it where the plot ends.
    double top = f.y(d.Nmax) - 3 - height;
    if (top < l.plot.y) top = f.y(d.Nmax) + 3;
    const Box ground{f.x(0) + 5, top, width + 2, height};
    l.labels.push_back(
        {ground, {name, ground.x + 1, top + measure.ascent(12), 12, false, kCurveColour}});
}

void layCurve(DiagramLayout& l, const Diagram& d, const Frame& f, const TextMeasure& measure) {
    if (d.curve.empty()) return;
    if (isCurrentCode(d)) {
        layCurrentCodeCurve(l, d, f, measure);
        return;
    }
    // Below the top's eccentricity the check takes the top's capacity: the
    // region closes towards the N axis at the top's axial force.
    const CurvePoint& top = d.curve.front();
    l.cap = {{f.x(0), f.y(top.N)}, {f.x(top.M), f.y(top.N)}};
    l.curve.push_back({f.x(top.M), f.y(top.N)});
    for (const CurvePoint& c : d.curve) l.curve.push_back({f.x(c.M), f.y(c.N)});
}

void layLoads(DiagramLayout& l, const Diagram& d, const Frame& f, const TextMeasure& measure) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < d.loads.size(); ++i)
        if (drawn(d.loads[i])) order.push_back(i);
    // The governing cases (smallest margin) are named first.
    std::stable_sort(order.begin(), order.end(), [&d](std::size_t a, std::size_t b) {
        return d.loads[a].margin < d.loads[b].margin;
    });

    std::vector<LabelWish> wishes;
    for (std::size_t i : order) {
        const LoadMark& m = d.loads[i];
        wishes.push_back(
            {f.x(m.M), f.y(m.N), measure.width(m.name, 12, false), measure.height(12)});
    }
    // The names already placed (the axial limit's) stay clear.
    std::vector<Box> placed;
    for (const LoadLabel& label : l.labels) placed.push_back(label.ground);
    const std::vector<std::optional<Box>> labels =
        placeLabels(wishes, l.plot, kMarkerRadius, kMostLabels, placed);

    // Failing markers last, so that none hides under a passing one or a
    // design.
    for (MarkerKind kind : {MarkerKind::Design, MarkerKind::Passes, MarkerKind::Fails})
        for (std::size_t k = order.size(); k-- > 0;) {
            const LoadMark& m = d.loads[order[k]];
            if (kindOf(m) != kind) continue;
            l.markers.push_back({{wishes[k].x, wishes[k].y}, kind, m.name, m.line});
        }
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (!labels[k]) continue;
        const LoadMark& m = d.loads[order[k]];
        const Box& b = *labels[k];
        l.labels.push_back({{b.x - 1, b.y, b.width + 2, b.height},
                            {m.name, b.x, b.y + measure.ascent(12), 12, false,
                             kindOf(m) == MarkerKind::Fails ? kFailTextColour : kBlack}});
    }
}

}  // namespace

std::string TextMeasure::elided(const std::string& text, int pixels, bool bold, double room) const {
    if (width(text, pixels, bold) <= room) return text;
    // Whole characters only: the start ends before a character's first byte.
    for (std::size_t end = text.size(); end-- > 0;) {
        if (text::utf8CharLength(text, end) == 0) continue;
        const std::string shorter = text.substr(0, end) + "…";
        if (width(shorter, pixels, bold) <= room) return shorter;
    }
    return "…";
}

std::string documentTitle(const Diagram& d) {
    return (d.member.empty() ? "" : d.member + " ") + "N–M " + d.steelText +
           (isCurrentCode(d) ? currentCodeNote(d) : std::string());
}

DiagramLayout layoutDiagram(const Diagram& d, const TextMeasure& measure) {
    DiagramLayout l;
    l.plot = {kLeft, kTop, kRight - kLeft, kBottom - kTop};
    const Frame frame = frameOf(d);
    layTitle(l, d, measure);
    layLegend(l, d, measure);
    layAxes(l, frame, measure);
    layCurve(l, d, frame, measure);
    layLoads(l, d, frame, measure);
    return l;
}

}  // namespace pilaro::diagram
