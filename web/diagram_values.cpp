#include "web/diagram_values.h"

#include <cstdio>

namespace pilaro::web {

namespace {

using namespace pilaro::diagram;

// "#rrggbb", each channel's sixteen bits rounded to eight.
std::string hexOf(const Colour& c) {
    const auto eight = [](int channel) { return (channel * 255 + 0x7fff) / 0xffff; };
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", eight(c.red), eight(c.green), eight(c.blue));
    return hex;
}

PageColour colour(const Colour& c) {
    return {hexOf(c), c.alpha / 65535.0};
}

PagePoint point(const Point& p) {
    return {p.x, p.y};
}

PageBox box(const Box& b) {
    return {b.x, b.y, b.width, b.height};
}

PageText drawnText(const DrawnText& t) {
    const PageColour c = colour(t.colour);
    return {t.text, t.x, t.y, t.pixels, t.bold, c.colour, c.opacity};
}

// A marker's kind as its element's data-verdict says it.
std::string kindName(MarkerKind kind) {
    switch (kind) {
        case MarkerKind::Passes:
            return "pass";
        case MarkerKind::Fails:
            return "fail";
        case MarkerKind::Design:
            return "design";
    }
    return "";
}

template <typename Out, typename In, typename Convert>
std::vector<Out> each(const std::vector<In>& list, Convert convert) {
    std::vector<Out> out;
    out.reserve(list.size());
    for (const In& item : list) out.push_back(convert(item));
    return out;
}

PageTick tick(const Tick& t) {
    return {t.at, t.zero, drawnText(t.label)};
}

PageDiagram layoutOf(const Diagram& d, const std::string& stem, const TextMeasure& measure) {
    const DiagramLayout l = layoutDiagram(d, measure);
    PageDiagram page;
    page.stem = stem;
    page.title = documentTitle(d);
    page.plot = box(l.plot);
    page.heading = drawnText(l.title);
    page.section = drawnText(l.section);
    page.legend = each<PageLegendEntry>(l.legend, [](const LegendEntry& e) {
        return PageLegendEntry{drawnText(e.name), e.line, colour(e.colour), e.sampleX, e.sampleY};
    });
    page.ticksM = each<PageTick>(l.ticksM, tick);
    page.ticksN = each<PageTick>(l.ticksN, tick);
    page.across = drawnText(l.across);
    page.up = drawnText(l.up);
    if (l.cap) page.cap = {point(l.cap->first), point(l.cap->second)};
    page.curve = each<PagePoint>(l.curve, point);
    page.markers = each<PageMarker>(l.markers, [](const LoadMarker& m) {
        return PageMarker{m.centre.x, m.centre.y, kindName(m.kind), m.name,
                          static_cast<double>(m.line)};
    });
    page.labels = each<PageLabel>(l.labels, [](const LoadLabel& label) {
        return PageLabel{box(label.ground), drawnText(label.name)};
    });
    return page;
}

PageDiagramStyle style() {
    PageDiagramStyle s;
    s.width = kDiagramWidth;
    s.height = kDiagramHeight;
    s.pngWidth = kPngWidth;
    s.pngHeight = kPngHeight;
    s.background = colour(kWhite);
    s.pass = colour(kPassColour);
    s.fail = colour(kFailColour);
    s.design = colour(kDesignColour);
    s.curve = colour(kCurveColour);
    s.grid = colour(kGridColour);
    s.axis = colour(kAxisColour);
    s.outline = colour(kBlack);
    s.labelGround = colour(kLabelGround);
    s.markerRadius = kMarkerRadius;
    s.markerOutline = kMarkerOutline;
    s.gridWidth = kGridWidth;
    s.curveWidth = kCurveWidth;
    s.capWidth = kCapWidth;
    // Dashes of four and gaps of two line widths.
    s.capDash = {4 * kCapWidth, 2 * kCapWidth};
    s.legendLineWidth = kLegendLineWidth;
    s.legendLineLength = kLegendLineLength;
    s.legendMarkerOffset = kLegendMarkerOffset;
    return s;
}

}  // namespace

PageDiagrams pageDiagrams(const std::vector<Diagram>& diagrams,
                          const std::vector<std::string>& stems, std::vector<std::string> problems,
                          const TextMeasure& measure) {
    PageDiagrams page;
    for (std::size_t i = 0; i < diagrams.size(); ++i)
        page.diagrams.push_back(layoutOf(diagrams[i], stems.at(i), measure));
    page.problems = std::move(problems);
    page.style = style();
    return page;
}

}  // namespace pilaro::web
