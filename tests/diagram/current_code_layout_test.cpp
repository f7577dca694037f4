// The layout of a diagram of the current code, JTG 3362-2018, with a font of
// known widths: the title names the code and γ0, the section's figures
// keep their leading zero, the axial limit is a level line from the N axis
// to the curve with its name above it, and no load's name covers that.
#include <gtest/gtest.h>

#include <cmath>

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

Diagram currentCode(double Nmax) {
    Diagram d;
    d.method = table::Method::Jtg3362;
    d.member = "P2";
    d.steelText = "24D28";
    d.Ag = 147.7803;
    d.rho = 0.01306;
    d.D = 1.2;
    d.a = 0.05;
    d.concrete = "C30";
    d.steel = "HRB400";
    d.gamma0 = 0.9;
    d.Nmax = Nmax;
    // From the steel in tension to the section in compression.
    d.curve = {{0.1, -5000, -500}, {0.3, 0, 2200},    {0.5, 8000, 3500},
               {0.7, 16000, 2000}, {0.9, 20000, 400}, {0.99, 20500, 10}};
    for (int i = 0; i < 10; ++i) {
        LoadMark m;
        m.name = "case " + std::to_string(i);
        m.line = i + 2;
        m.hasPoint = true;
        m.N = Nmax - 400 + 40.0 * i;  // crowding the line's name
        m.M = 100.0 * i;
        m.verdict = Verdict::Passes;
        m.margin = 1.5 - i * 0.01;
        d.loads.push_back(m);
    }
    return d;
}

TEST(CurrentCodeLayout, DrawsTheAxialLimitToTheCurveAndNamesIt) {
    const DiagramLayout l = layoutDiagram(currentCode(18108.023), HalfWidths());
    EXPECT_EQ(l.title.text, "P2  N–M 相关曲线（JTG 3362-2018，γ0＝0.9）");
    EXPECT_NE(l.section.text.find("保护层 a＝0.05 m"), std::string::npos) << l.section.text;
    EXPECT_NE(l.section.text.find("钢筋 24D28（147.78 cm²），配筋率＝0.0130"), std::string::npos)
        << l.section.text;

    ASSERT_TRUE(l.cap);
    const auto [from, to] = *l.cap;
    EXPECT_EQ(from.y, to.y);
    const auto zero =
        std::find_if(l.ticksM.begin(), l.ticksM.end(), [](const Tick& t) { return t.zero; });
    ASSERT_NE(zero, l.ticksM.end());
    EXPECT_DOUBLE_EQ(from.x, zero->at);
    // The line ends on the curve's segment that crosses its level.
    bool onCurve = false;
    for (std::size_t i = 1; i < l.curve.size(); ++i) {
        const Point& p = l.curve[i - 1];
        const Point& q = l.curve[i];
        if ((p.y - to.y) * (q.y - to.y) > 0 || p.y == q.y) continue;
        const double x = p.x + (q.x - p.x) * (to.y - p.y) / (q.y - p.y);
        onCurve = onCurve || std::fabs(x - to.x) < 1e-9;
    }
    EXPECT_TRUE(onCurve);
    EXPECT_EQ(l.curve.size(), 6u);  // the curve as it runs, no cap of its own

    ASSERT_FALSE(l.labels.empty());
    const LoadLabel& limit = l.labels.front();
    EXPECT_EQ(limit.name.text, "Nmax＝18108.02 kN");
    EXPECT_LT(limit.ground.y + limit.ground.height, from.y);  // above the line
    for (std::size_t i = 1; i < l.labels.size(); ++i)
        EXPECT_FALSE(l.labels[i].ground.overlaps(limit.ground)) << l.labels[i].name.text;
    EXPECT_EQ(l.markers.size(), 10u);
    EXPECT_NE(documentTitle(currentCode(1)).find("（JTG 3362-2018，γ0＝0.9）"), std::string::npos);
}

}  // namespace
}  // namespace pilaro::test
