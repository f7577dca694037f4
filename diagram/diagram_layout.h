// Where everything of a diagram goes on its drawing: the title and the
// section's line, the legend, the ticks and their texts, the axis names, the
// curve and the load markers with their names, with the colours and lines
// they are drawn in. Plain data and arithmetic, so that every painter (Qt's
// for pilaro-batch, the browser page's SVG) draws the same picture; only
// the widths of texts come from the painter's font.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "diagram/diagram_contents.h"
#include "diagram/diagram_labels.h"

namespace pilaro::diagram {

// The drawing's own size: an SVG's view box, a PDF page's aspect.
inline constexpr int kDiagramWidth = 1000;
inline constexpr int kDiagramHeight = 700;
// A PNG is drawn at one and a half times that size.
inline constexpr int kPngWidth = 1500;
inline constexpr int kPngHeight = 1050;

// Sixteen bits a channel, so that a colour made darker keeps its exact
// shade in every format (a PDF states it as a fraction).
struct Colour {
    int red = 0, green = 0, blue = 0, alpha = 0xffff;
};

[[nodiscard]] constexpr Colour rgb8(int red, int green, int blue, int alpha = 255) {
    return {red * 0x101, green * 0x101, blue * 0x101, alpha * 0x101};
}

// How lines and markers are drawn.
inline constexpr Colour kBlack = rgb8(0, 0, 0);
inline constexpr Colour kWhite = rgb8(255, 255, 255);
inline constexpr Colour kPassColour = rgb8(0x1a, 0x98, 0x50);
inline constexpr Colour kFailColour = rgb8(0xd7, 0x30, 0x27);
// A design's point: a clear blue beside the curve's darker one.
inline constexpr Colour kDesignColour = rgb8(0x43, 0x92, 0xde);
// The fail colour darkened to 1/1.3 of its value (HSV), for the names of
// failing cases.
inline constexpr Colour kFailTextColour{42503, 9490, 7710, 0xffff};
inline constexpr Colour kCurveColour = rgb8(0x1f, 0x4e, 0x9c);
inline constexpr Colour kGridColour = rgb8(0xdd, 0xdd, 0xdd);
inline constexpr Colour kAxisColour = rgb8(0x55, 0x55, 0x55);
// Keeps a name legible where it crosses the curve.
inline constexpr Colour kLabelGround = rgb8(255, 255, 255, 200);
inline constexpr double kMarkerRadius = 5;
inline constexpr double kMarkerOutline = 0.8;  // black
inline constexpr double kGridWidth = 1;        // ticks' lines and the plot's frame
inline constexpr double kCurveWidth = 2;
inline constexpr double kCapWidth = 1.5;  // dashed
inline constexpr double kLegendLineWidth = 2;
inline constexpr double kLegendLineLength = 16;   // the curve's sample, from its start
inline constexpr double kLegendMarkerOffset = 8;  // a marker's centre from the sample's start

// The widths of texts in the painter's font (text_font.h) at a size in
// pixels: the one thing a layout asks of its painter.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    [[nodiscard]] virtual double width(const std::string& text, int pixels, bool bold) const = 0;
    [[nodiscard]] virtual double ascent(int pixels) const = 0;
    [[nodiscard]] virtual double height(int pixels) const = 0;
    // The text cut at its end, with "…", to fit `room`: by default the
    // longest start of it that fits with the "…"; a painter whose font
    // machinery elides may use its own.
    [[nodiscard]] virtual std::string elided(const std::string& text, int pixels, bool bold,
                                             double room) const;
};

// A text drawn from its baseline's start.
struct DrawnText {
    std::string text;
    double x = 0, y = 0;
    int pixels = 13;
    bool bold = false;
    Colour colour = kBlack;
};

struct LegendEntry {
    DrawnText name;
    bool line = false;  // a line sample (the curve), else a marker
    Colour colour;
    double sampleX = 0;  // where the sample starts (kLegendLineLength, kLegendMarkerOffset)
    double sampleY = 0;
};

struct Tick {
    double at = 0;      // x of an M tick, y of an N tick
    bool zero = false;  // the axis itself, drawn darker than the grid
    DrawnText label;
};

struct Point {
    double x = 0, y = 0;
};

// What a load case's marker shows: its check's verdict, or that it is a
// design, which has none.
enum class MarkerKind { Passes, Fails, Design };

[[nodiscard]] constexpr const Colour& markerColour(MarkerKind kind) {
    return kind == MarkerKind::Design   ? kDesignColour
           : kind == MarkerKind::Passes ? kPassColour
                                        : kFailColour;
}

struct LoadMarker {
    Point centre;
    MarkerKind kind = MarkerKind::Fails;
    std::string name;
    long line = 0;
};

struct LoadLabel {
    Box ground;  // the pale ground behind the name
    DrawnText name;
};

struct DiagramLayout {
    Box plot;  // the curve and the markers are clipped to it
    DrawnText title;
    DrawnText section;  // the section, its grades and its steel
    std::vector<LegendEntry> legend;
    std::vector<Tick> ticksM, ticksN;
    DrawnText across;  // the name of the M axis
    DrawnText up;      // the name of the N axis, turned a quarter left about (x, y)
    // The dashed cap at the top's axial force, then the curve from the top.
    std::optional<std::pair<Point, Point>> cap;
    std::vector<Point> curve;
    std::vector<LoadMarker> markers;  // in drawing order: designs, passing, failing
    std::vector<LoadLabel> labels;
};

[[nodiscard]] DiagramLayout layoutDiagram(const Diagram& diagram, const TextMeasure& measure);

// The drawing's title as a file states it: "P1 N–M 24D28".
[[nodiscard]] std::string documentTitle(const Diagram& diagram);

}  // namespace pilaro::diagram
