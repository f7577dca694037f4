// Diagrams as the page draws them: each one's layout
// (diagram/diagram_layout.h) as plain values for its SVG, laid out with
// the page's own font, which the page measures. The colours as CSS has
// them; nothing is decided here.
#pragma once

#include <string>
#include <vector>

#include "diagram/diagram_contents.h"
#include "diagram/diagram_layout.h"

namespace pilaro::web {

struct PageColour {
    std::string colour;  // "#rrggbb"
    double opacity = 1;
};

struct PageText {
    std::string text;
    double x = 0, y = 0;
    int pixels = 0;
    bool bold = false;
    std::string colour;
    double opacity = 1;
};

struct PagePoint {
    double x = 0, y = 0;
};

struct PageBox {
    double x = 0, y = 0, width = 0, height = 0;
};

struct PageLegendEntry {
    PageText name;
    bool line = false;  // a line sample (the curve), else a marker
    PageColour sample;
    double x = 0, y = 0;
};

struct PageTick {
    double at = 0;
    bool zero = false;
    PageText label;
};

struct PageMarker {
    double x = 0, y = 0;
    std::string kind;  // its element's data-verdict: "pass", "fail" or "design"
    std::string name;
    double line = 0;
};

struct PageLabel {
    PageBox ground;
    PageText name;
};

struct PageDiagram {
    std::string stem;   // of its files' names
    std::string title;  // as a file states it
    PageBox plot;
    PageText heading, section;
    std::vector<PageLegendEntry> legend;
    std::vector<PageTick> ticksM, ticksN;
    PageText across, up;
    std::vector<PagePoint> cap;  // the dashed cap's two ends, or none
    std::vector<PagePoint> curve;
    std::vector<PageMarker> markers;
    std::vector<PageLabel> labels;
};

// The colours and lines every diagram is drawn with.
struct PageDiagramStyle {
    int width = 0, height = 0, pngWidth = 0, pngHeight = 0;
    PageColour background, pass, fail, design, curve, grid, axis, outline, labelGround;
    double markerRadius = 0, markerOutline = 0, gridWidth = 0, curveWidth = 0, capWidth = 0;
    std::vector<double> capDash;
    double legendLineWidth = 0, legendLineLength = 0, legendMarkerOffset = 0;
};

struct PageDiagrams {
    std::vector<PageDiagram> diagrams;
    std::vector<std::string> problems;  // why there is none
    PageDiagramStyle style;
};

// Each diagram with its file stem (`stems`, in order), and why there is
// none.
[[nodiscard]] PageDiagrams pageDiagrams(const std::vector<diagram::Diagram>& diagrams,
                                        const std::vector<std::string>& stems,
                                        std::vector<std::string> problems,
                                        const diagram::TextMeasure& measure);

}  // namespace pilaro::web
