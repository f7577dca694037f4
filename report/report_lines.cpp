#include "report/report_lines.h"

#include <utility>

#include "engine/number_text.h"

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

ReportLine coefficientLine(const CalcResult& r) {
    return line(5, {label("系数ξ="), value(r.xi, kZone), label("A="), value(r.coefA, kZone),
                    label("B="), value(r.coefB, kZone), label("C="), value(r.coefC, kZone),
                    label("D="), value(r.coefD)});
}

}  // namespace

std::vector<ReportLine> reportLines(const CalcState& state) {
    const CalcInput& in = state.lastInput;
    const CalcResult& r = state.result;
    const auto& n = r.barCounts;

    std::vector<ReportLine> lines;
    lines.push_back(line(6, {label("圆形Pilaro结果")}));
    // The materials of the grades chosen now, not those of the last run.
    lines.push_back(line(
        5, {label("混凝土标号="), value(state.Ra), label("KPa", kZone), label("混凝土弹性模量＝"),
            value(state.Eh), label("KPa", kZone), label("钢筋强度="), value(state.Rg),
            label("KPa", kZone), label("钢筋弹性模量="), value(state.Eg), label("KPa")}));
    lines.push_back(line(5, {label("纵向力Nj＝"), value(in.Nj), label("KN", kZone),
                             label("弯矩Mj="), value(in.Mj), label("KN-m", kZone), label("直径＝"),
                             value(in.D), label("m", kZone), label("保护层厚度="), value(in.a),
                             label("m", kZone), label("计算长度="), value(in.l0), label("m")}));
    // The Check flag alone chooses the block: the road the last run took
    // does not, and no type chosen yet prints the design block.
    if (state.flagCheck == 0) {
        lines.push_back(
            line(5, {label("钢筋直径D12＝"), value(n[0]), label("根", kZone), label("D14="),
                     value(n[1], kZone), label("D16="), value(n[2], kZone), label("D18="),
                     value(n[3], kZone), label("D20="), value(n[4])}));
        lines.push_back(
            line(5, {label("D22="), value(n[5], kZone), label("D25="), value(n[6], kZone),
                     label("D28="), value(n[7], kZone), label("D32="), value(n[8], kZone),
                     label("D34="), value(n[9], kZone), label("D36="), value(n[10])}));
        lines.push_back(line(5, {label("纵向钢筋面积＝"), value(r.Ag), label("cm2", kZone),
                                 label("配筋率＝"), value(r.rho)}));
        lines.push_back(coefficientLine(r));
    } else {
        // The ratio of the given steel, not the ratio a design found.
        lines.push_back(
            line(5, {label("竖直力Nq＝"), value(r.Nq), label("KN", kZone), label("弯矩Mq="),
                     value(r.Mq), label("KN-m", kZone), label("配筋率＝"), value(r.rhoGiven, kZone),
                     label("校核结果＝"), label(r.verdict)}));
        lines.push_back(coefficientLine(r));
    }
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
