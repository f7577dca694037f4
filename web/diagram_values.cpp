#include "web/diagram_values.h"

#include <cstdio>

#include "diagram/diagram_layout.h"
#include "web/bound_values.h"

namespace pilaro::web {

namespace {

using emscripten::val;
using namespace pilaro::diagram;

class PageFontMeasure : public TextMeasure {
  public:
    explicit PageFontMeasure(val measure) : measure_(std::move(measure)) {}

    double width(const std::string& s, int pixels, bool bold) const override {
        return measure_.call<double>("width", s, pixels, bold);
    }
    double ascent(int pixels) const override { return measure_.call<double>("ascent", pixels); }
    double height(int pixels) const override { return measure_.call<double>("height", pixels); }

  private:
    val measure_;
};

// "#rrggbb", each channel's sixteen bits rounded to eight.
std::string hexOf(const Colour& c) {
    const auto eight = [](int channel) { return (channel * 255 + 0x7fff) / 0xffff; };
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", eight(c.red), eight(c.green), eight(c.blue));
    return hex;
}

val colour(const Colour& c) {
    val o = val::object();
    o.set("colour", hexOf(c));
    o.set("opacity", c.alpha / 65535.0);
    return o;
}

val point(const Point& p) {
    val o = val::object();
    o.set("x", p.x);
    o.set("y", p.y);
    return o;
}

val box(const Box& b) {
    val o = val::object();
    o.set("x", b.x);
    o.set("y", b.y);
    o.set("width", b.width);
    o.set("height", b.height);
    return o;
}

val drawnText(const DrawnText& t) {
    val o = colour(t.colour);
    o.set("text", t.text);
    o.set("x", t.x);
    o.set("y", t.y);
    o.set("pixels", t.pixels);
    o.set("bold", t.bold);
    return o;
}

// A marker's kind as its element's data-verdict says it.
std::string_view kindName(MarkerKind kind) {
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

val tick(const Tick& t) {
    val o = val::object();
    o.set("at", t.at);
    o.set("zero", t.zero);
    o.set("label", drawnText(t.label));
    return o;
}

val layoutValue(const Diagram& d, const std::string& stem, const TextMeasure& measure) {
    const DiagramLayout l = layoutDiagram(d, measure);
    val o = val::object();
    o.set("stem", stem);
    o.set("title", documentTitle(d));
    o.set("plot", box(l.plot));
    o.set("heading", drawnText(l.title));
    o.set("section", drawnText(l.section));
    o.set("legend", array(l.legend, [](const LegendEntry& e) {
              val entry = val::object();
              entry.set("name", drawnText(e.name));
              entry.set("line", e.line);
              entry.set("sample", colour(e.colour));
              entry.set("x", e.sampleX);
              entry.set("y", e.sampleY);
              return entry;
          }));
    o.set("ticksM", array(l.ticksM, tick));
    o.set("ticksN", array(l.ticksN, tick));
    o.set("across", drawnText(l.across));
    o.set("up", drawnText(l.up));
    o.set("cap",
          l.cap ? array(std::vector<Point>{l.cap->first, l.cap->second}, point) : val::null());
    o.set("curve", array(l.curve, point));
    o.set("markers", array(l.markers, [](const LoadMarker& m) {
              val marker = point(m.centre);
              marker.set("kind", text(kindName(m.kind)));
              marker.set("name", m.name);
              marker.set("line", static_cast<double>(m.line));
              return marker;
          }));
    o.set("labels", array(l.labels, [](const LoadLabel& label) {
              val placed = val::object();
              placed.set("ground", box(label.ground));
              placed.set("name", drawnText(label.name));
              return placed;
          }));
    return o;
}

val style() {
    val o = val::object();
    o.set("width", kDiagramWidth);
    o.set("height", kDiagramHeight);
    o.set("pngWidth", kPngWidth);
    o.set("pngHeight", kPngHeight);
    o.set("background", colour(kWhite));
    o.set("pass", colour(kPassColour));
    o.set("fail", colour(kFailColour));
    o.set("design", colour(kDesignColour));
    o.set("curve", colour(kCurveColour));
    o.set("grid", colour(kGridColour));
    o.set("axis", colour(kAxisColour));
    o.set("outline", colour(kBlack));
    o.set("labelGround", colour(kLabelGround));
    o.set("markerRadius", kMarkerRadius);
    o.set("markerOutline", kMarkerOutline);
    o.set("gridWidth", kGridWidth);
    o.set("curveWidth", kCurveWidth);
    o.set("capWidth", kCapWidth);
    // Dashes of four and gaps of two line widths.
    o.set("capDash", array(std::vector<double>{4 * kCapWidth, 2 * kCapWidth},
                           [](double v) { return val(v); }));
    o.set("legendLineWidth", kLegendLineWidth);
    o.set("legendLineLength", kLegendLineLength);
    o.set("legendMarkerOffset", kLegendMarkerOffset);
    return o;
}

}  // namespace

val diagramValues(const std::vector<Diagram>& diagrams, const std::vector<std::string>& stems,
                  const std::vector<std::string>& problems, val measure) {
    const PageFontMeasure fontMeasure(std::move(measure));
    val list = val::array();
    for (std::size_t i = 0; i < diagrams.size(); ++i)
        list.call<void>("push", layoutValue(diagrams[i], stems.at(i), fontMeasure));
    val o = val::object();
    o.set("diagrams", list);
    o.set("problems", array(problems, text));
    o.set("style", style());
    return o;
}

}  // namespace pilaro::web
