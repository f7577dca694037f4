// The diagram's layout with a font of known widths: the title's member name
// elided to its room, a long section line made smaller, the markers drawn
// passing first, the names inside the plot, and the default elision.
#include <gtest/gtest.h>

#include "diagram/diagram_layout.h"

namespace pilaro::test {
namespace {

using namespace pilaro::diagram;

// Every character (UTF-8 code point) half a pixel size wide.
class HalfWidths : public TextMeasure {
  public:
    double width(const std::string& text, int pixels, bool) const override {
        double characters = 0;
        for (unsigned char c : text)
            if ((c & 0xC0) != 0x80) ++characters;
        return characters * pixels / 2;
    }
    double ascent(int pixels) const override { return pixels * 0.8; }
    double height(int pixels) const override { return pixels * 1.2; }
};

Diagram crowded(const std::string& member, const std::string& steelText) {
    Diagram d;
    d.member = member;
    d.steelText = steelText;
    d.Ag = 147.792;
    d.rho = 0.013;
    d.D = 1.2;
    d.a = 0.05;
    d.concrete = "25号";
    d.steel = "Ⅱ级";
    d.curve = {{1.5, 20000, 0}, {1.0, 15000, 2500}, {0.5, 6000, 3200}, {0.1, -3000, 500}};
    for (int i = 0; i < 12; ++i) {
        LoadMark m;
        m.name = "case " + std::to_string(i);
        m.line = i + 2;
        m.hasPoint = i != 11;  // one without a point is not drawn
        m.N = 1000.0 * i;
        m.M = 300.0 * i;
        m.verdict = i % 3 == 0 ? Verdict::Fails : Verdict::Passes;
        m.margin = 2.0 - i * 0.1;
        d.loads.push_back(m);
    }
    return d;
}

TEST(DiagramLayout, PlacesEveryPartWithinTheDrawing) {
    const DiagramLayout l = layoutDiagram(crowded("P1", "24D28"), HalfWidths());
    EXPECT_EQ(l.title.text, "P1  N–M 相关曲线");
    EXPECT_EQ(l.section.pixels, 15);
    EXPECT_NE(l.section.text.find("钢筋 24D28（147.792 cm²），配筋率＝.013"), std::string::npos);
    ASSERT_EQ(l.markers.size(), 11u);
    // Passing markers first, then the failing ones over them.
    std::size_t firstFailing = 0;
    while (firstFailing < l.markers.size() && l.markers[firstFailing].kind == MarkerKind::Passes)
        ++firstFailing;
    for (std::size_t i = firstFailing; i < l.markers.size(); ++i)
        EXPECT_EQ(l.markers[i].kind, MarkerKind::Fails);
    EXPECT_EQ(l.markers.size() - firstFailing, 4u);  // cases 0, 3, 6 and 9
    for (const LoadMarker& m : l.markers) {
        EXPECT_TRUE((Box{m.centre.x, m.centre.y, 0, 0}.inside(l.plot))) << m.name;
    }
    EXPECT_FALSE(l.labels.empty());
    for (const LoadLabel& label : l.labels) {
        EXPECT_TRUE(
            label.ground.inside(Box{l.plot.x - 1, l.plot.y, l.plot.width + 2, l.plot.height}));
        EXPECT_EQ(label.name.colour.red,
                  label.name.text == "case 9" || label.name.text == "case 6" ||
                          label.name.text == "case 3" || label.name.text == "case 0"
                      ? kFailTextColour.red
                      : kBlack.red);
    }
    // The ticks run along the plot's edges with round texts.
    ASSERT_FALSE(l.ticksM.empty());
    EXPECT_EQ(l.ticksM.front().label.text, "0");
    EXPECT_TRUE(l.ticksM.front().zero);
    EXPECT_DOUBLE_EQ(l.ticksM.front().at, l.plot.x);
    ASSERT_TRUE(l.cap.has_value());
    EXPECT_EQ(l.curve.size(), 5u);  // from the top, then every point of the curve
}

// The legend's names from left to right.
std::vector<std::string> legendNames(const DiagramLayout& l) {
    std::vector<std::string> names;
    for (auto e = l.legend.rbegin(); e != l.legend.rend(); ++e) names.push_back(e->name.text);
    return names;
}

// A design is drawn blue whatever its check with the diagram's steel says,
// under the checks, and the legend names it only where one is drawn.
TEST(DiagramLayout, DesignsHaveAMarkerOfTheirOwn) {
    Diagram d = crowded("P1", "207.021 cm²");
    for (std::size_t i = 0; i < d.loads.size(); ++i) d.loads[i].design = i % 2 == 1;
    const DiagramLayout l = layoutDiagram(d, HalfWidths());
    ASSERT_EQ(l.markers.size(), 11u);
    // Cases 1, 3, 5, 7, 9 (the 11th has no point), then the passing
    // checks 2, 4, 8, 10, then the failing checks 0 and 6.
    std::vector<MarkerKind> kinds;
    for (const LoadMarker& m : l.markers) kinds.push_back(m.kind);
    const std::vector<MarkerKind> expected = {
        MarkerKind::Design, MarkerKind::Design, MarkerKind::Design, MarkerKind::Design,
        MarkerKind::Design, MarkerKind::Passes, MarkerKind::Passes, MarkerKind::Passes,
        MarkerKind::Passes, MarkerKind::Fails,  MarkerKind::Fails};
    EXPECT_EQ(kinds, expected);
    for (const LoadLabel& label : l.labels)
        EXPECT_EQ(label.name.colour.red, label.name.text == "case 0" || label.name.text == "case 6"
                                             ? kFailTextColour.red
                                             : kBlack.red)
            << label.name.text;
    EXPECT_EQ(legendNames(l),
              (std::vector<std::string>{"截面承载力", "配筋计算", "通过验算", "重新配筋"}));
    EXPECT_EQ(legendNames(layoutDiagram(crowded("P1", "24D28"), HalfWidths())),
              (std::vector<std::string>{"截面承载力", "通过验算", "重新配筋"}));
    EXPECT_EQ(markerColour(MarkerKind::Design).blue, kDesignColour.blue);
    EXPECT_NE(kDesignColour.red, kCurveColour.red);
}

TEST(DiagramLayout, LongTextsGiveWay) {
    const std::string longName(200, 'M');
    const std::string manyBars = "12D28+12D25+12D22+12D20+12D18+12D16+12D14+12D12+12D32+12D34";
    const DiagramLayout l = layoutDiagram(crowded(longName, manyBars), HalfWidths());
    const HalfWidths widths;
    const std::string name = l.title.text.substr(0, l.title.text.find("  N–M"));
    EXPECT_TRUE(name.ends_with("…"));
    EXPECT_LE(widths.width(name, 20, true), 300);
    EXPECT_GT(widths.width(name + "M", 20, true), 300);
    EXPECT_LT(l.section.pixels, 15);
    EXPECT_LE(widths.width(l.section.text, l.section.pixels, false), l.plot.width);
}

TEST(DiagramLayout, ElidesWholeCharacters) {
    const HalfWidths widths;
    EXPECT_EQ(widths.elided("桥墩左幅", 10, false, 20), "桥墩左幅");
    EXPECT_EQ(widths.elided("桥墩左幅", 10, false, 19), "桥墩…");
    EXPECT_EQ(widths.elided("桥墩左幅", 10, false, 1), "…");
}

}  // namespace
}  // namespace pilaro::test
