#include "report/report_lines.h"

#include <utility>

#include "engine/number_text.h"
#include "engine/read_outs.h"

namespace pilaro {

namespace {

constexpr Separator kZone = Separator::NextZone;

ReportItem label(std::string text, Separator after = Separator::Adjacent) {
    return {ItemContent{std::move(text)}, after};
}

ReportItem value(const MaybeValue& v, Separator after = Separator::Adjacent) {
    return {ItemContent{v}, after};
}

// The last item of a line always ends it.
ReportLine line(int leadIn, std::vector<ReportItem> items) {
    items.back().after = Separator::EndOfLine;
    return {leadIn, std::move(items)};
}

struct Materials {
    MaybeValue Ra, Eh, Rg, Eg;
};

// The materials the last run computed with, so that a grade chosen since
// cannot stand above results of another grade; before any run, the grades
// chosen now. Only a run past the type check is stored, so a stored input
// always has a type.
Materials reportedMaterials(const CalcState& state) {
    const CalcInput& in = state.lastInput;
    if (in.type == CalcType::None) return {state.Ra, state.Eh, state.Rg, state.Eg};
    return {in.Ra, in.Eh, in.Rg, in.Eg};
}

// The chosen block's values print only when the last run computed that
// block, so that no result of an earlier run stands under later inputs
// and no verdict under a section that was not checked. Before any run the
// block prints the state's start values.
bool showsBlock(const CalcState& state, CalcType block) {
    return state.lastInput.type == CalcType::None || state.lastRunBlock == block;
}

}  // namespace

std::vector<ReportLine> reportLines(const CalcState& state) {
    const CalcInput& in = state.lastInput;
    const CalcResult& r = state.result;
    const Materials mat = reportedMaterials(state);

    std::vector<ReportLine> lines;
    lines.push_back(line(6, {label("圆形Pilaro结果")}));
    lines.push_back(line(
        5, {label("混凝土标号="), value(mat.Ra), label("KPa", kZone), label("混凝土弹性模量＝"),
            value(mat.Eh), label("KPa", kZone), label("钢筋强度="), value(mat.Rg),
            label("KPa", kZone), label("钢筋弹性模量="), value(mat.Eg), label("KPa")}));
    lines.push_back(line(5, {label("纵向力Nj＝"), value(in.Nj), label("KN", kZone),
                             label("弯矩Mj="), value(in.Mj), label("KN-m", kZone), label("直径＝"),
                             value(in.D), label("m", kZone), label("保护层厚度="), value(in.a),
                             label("m", kZone), label("计算长度="), value(in.l0), label("m")}));
    // The option chosen alone chooses the block: the road the last run
    // took does not, and no type chosen yet prints the design block.
    const CalcType block = state.type == CalcType::Check ? CalcType::Check : CalcType::Design;
    const bool shown = showsBlock(state, block);
    auto v = [shown](const MaybeValue& x) { return shown ? x : MaybeValue{}; };
    if (block == CalcType::Design) {
        const auto& n = r.barCounts;
        lines.push_back(
            line(5, {label("钢筋直径D12＝"), value(v(n[0])), label("根", kZone), label("D14="),
                     value(v(n[1]), kZone), label("D16="), value(v(n[2]), kZone), label("D18="),
                     value(v(n[3]), kZone), label("D20="), value(v(n[4]))}));
        lines.push_back(
            line(5, {label("D22="), value(v(n[5]), kZone), label("D25="), value(v(n[6]), kZone),
                     label("D28="), value(v(n[7]), kZone), label("D32="), value(v(n[8]), kZone),
                     label("D34="), value(v(n[9]), kZone), label("D36="), value(v(n[10]))}));
        lines.push_back(line(5, {label("纵向钢筋面积＝"), value(v(r.Ag)), label("cm2", kZone),
                                 label("配筋率＝"), value(v(r.rho))}));
    } else {
        // The steel checked, as it was typed (24D28) and the area it gives.
        lines.push_back(
            line(5, {label("校核钢筋＝"), label(shown ? state.lastSteelText : "", kZone),
                     label("纵向钢筋面积＝"), value(v(in.Ag)), label("cm2")}));
        // The ratio of the given steel, not the ratio a design found.
        const std::string verdict(verdictText(shown ? r.verdict : Verdict::None));
        lines.push_back(
            line(5, {label("竖直力Nq＝"), value(v(r.Nq)), label("KN", kZone), label("弯矩Mq="),
                     value(v(r.Mq)), label("KN-m", kZone), label("配筋率＝"),
                     value(v(r.rhoGiven), kZone), label("校核结果＝"), label(verdict)}));
    }
    lines.push_back(
        line(5, {label("系数ξ="), value(v(r.xi), kZone), label("A="), value(v(r.coefA), kZone),
                 label("B="), value(v(r.coefB), kZone), label("C="), value(v(r.coefC), kZone),
                 label("D="), value(v(r.coefD))}));
    return lines;
}

std::string itemText(const ReportItem& item) {
    if (const auto* text = std::get_if<std::string>(&item.content)) return *text;
    const MaybeValue& v = std::get<MaybeValue>(item.content);
    if (!v) return {};
    std::string digits = numberToText(*v);
    // A value the engine could not write (not finite) prints as nothing,
    // like an unset one, rather than as a stray blank.
    if (digits.empty()) return {};
    return digits + " ";
}

}  // namespace pilaro
