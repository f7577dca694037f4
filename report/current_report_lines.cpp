#include "report/current_report_lines.h"

#include <string_view>
#include <utility>

#include "engine/decimal_chars.h"
#include "engine/number_text.h"
#include "jtg3362/bars.h"
#include "jtg3362/decimal_text.h"
#include "jtg3362/materials.h"
#include "jtg3362/messages.h"
#include "jtg3362/read_outs.h"
#include "messages/run_messages.h"
#include "text/shown_text.h"

namespace pilaro {

namespace {

using jtg3362::ReadOut;

// Two blanks end every run but a line's last: a run that ends just short
// of a print zone keeps them from the next.
constexpr std::string_view kGap = "  ";

// A line of runs, each from the print zone after the last.
ReportLine line(std::vector<std::string> runs, int leadIn = 5) {
    ReportLine out{leadIn, {}};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const bool last = i + 1 == runs.size();
        out.items.push_back({ItemContent{last ? runs[i] : runs[i] + std::string(kGap)},
                             last ? Separator::EndOfLine : Separator::NextZone});
    }
    return out;
}

// An input or a strength with the fewest decimals that read back as it:
// 0.05, 1.2, 5000, 13.8; with a period whatever the locale. A value that
// needs more than 15 decimals is written as a read-out writes it.
std::string shortest(double value) {
    for (int decimals = 0; decimals <= 15; ++decimals) {
        std::string text = fixedDecimalsText(value, decimals);
        double back = 0.0;
        (void)decimalFromChars(text.data(), text.data() + text.size(), back);
        if (back == value) return text;
    }
    return text::plainNumber(value);
}

std::string figure(ReadOut id, double value) {
    return jtg3362::figureText(id, value);
}

// The steel as the sheet names its area: never more than the bars supply.
std::string areaText(double As) {
    return jtg3362::decimalText(As, 2, jtg3362::Rounding::Down);
}

std::vector<ReportLine> steelLines(const CurrentCodeState& current,
                                   const jtg3362::ReadOutTexts& texts) {
    const auto text = [&texts](ReadOut id) { return texts[jtg3362::readOutIndex(id)]; };
    if (current.lastInput.task == jtg3362::Task::Check)
        return {line({"校核钢筋＝" + current.lastSteelText,
                      "纵向钢筋面积＝" + areaText(current.lastInput.As) + " cm2",
                      "配筋率＝" + text(ReadOut::RhoGiven)})};
    if (current.lastOutcome.status == jtg3362::Status::EnlargeSection)
        return {line(
            {"配筋率＝" + text(ReadOut::Rho) + "时", jtg3362::statusMessage(current.lastOutcome)})};
    std::vector<ReportLine> lines{line(
        {"纵向钢筋面积＝" + text(ReadOut::AgRequired) + " cm2", "配筋率＝" + text(ReadOut::Rho)})};
    // The bar counts under their caption, six sizes to a line, each in a
    // print zone of its own so that the lines' columns meet.
    lines.push_back(line({"钢筋根数（根）："}));
    for (std::size_t from = 0; from < jtg3362::kBarSizeCount; from += 6) {
        std::vector<std::string> runs;
        for (std::size_t i = from; i < std::min(from + 6, jtg3362::kBarSizeCount); ++i)
            runs.push_back(std::string(jtg3362::kBarSizes[i].label) + "＝" +
                           text(jtg3362::barCountReadOut(i)));
        lines.push_back(line(std::move(runs)));
    }
    return lines;
}

}  // namespace

std::vector<ReportLine> currentReportLines(const CurrentCodeState& current) {
    const jtg3362::Input& in = current.lastInput;
    const jtg3362::Outcome& outcome = current.lastOutcome;
    const jtg3362::Result& r = outcome.result;
    const jtg3362::ReadOutTexts texts = jtg3362::readOuts(in.task, outcome);
    const jtg3362::Concrete* concrete = jtg3362::findConcrete(in.concrete);
    const jtg3362::Steel* steel = jtg3362::findSteel(in.steel);
    const bool check = in.task == jtg3362::Task::Check;

    std::vector<ReportLine> lines;
    lines.push_back(
        line({"圆形Pilaro结果", "按 JTG 3362-2018 计算", check ? "强度校核" : "配筋计算"}, 6));
    lines.push_back(
        line({"直径D＝" + shortest(in.D) + " m", "保护层厚度a＝" + shortest(in.a) + " m",
              "计算长度l0＝" + shortest(in.l0) + " m"}));
    if (concrete && steel)
        lines.push_back(line(
            {"混凝土" + std::string(concrete->text) + "，fcd＝" + shortest(concrete->fcd) + " MPa",
             "钢筋" + std::string(steel->text) + "，fsd＝" + shortest(steel->fsd) + " MPa，f'sd＝" +
                 shortest(steel->fsdCompression) + " MPa"}));
    lines.push_back(
        line({"结构重要性系数γ0＝" + jtg3362::decimalText(in.gamma0, 1, jtg3362::Rounding::Nearest),
              "Nd＝" + shortest(in.Nd) + " kN", "Md＝" + shortest(in.Md) + " kN·m",
              "γ0Nd＝" + figure(ReadOut::DesignLoad, r.gamma0Nd) + " kN"}));
    std::vector<std::string> e0{"偏心距e0＝" + figure(ReadOut::E0, r.e0) + " m"};
    if (r.e0AtFloor) e0.emplace_back("（|Md|/Nd小于下限max(20 mm, D/30)，取下限）");
    lines.push_back(line(std::move(e0)));
    std::vector<std::string> eta{"l0/i＝" + figure(ReadOut::Slenderness, r.slenderness)};
    if (r.etaConsidered && r.zeta1 && r.zeta2) {
        eta.push_back("η＝" + figure(ReadOut::Eta, r.eta));
        eta.push_back("ζ1＝" + figure(ReadOut::Zeta1, *r.zeta1));
        eta.push_back("ζ2＝" + figure(ReadOut::Zeta2, *r.zeta2));
        eta.push_back("e＝ηe0＝" + figure(ReadOut::E, r.e) + " m");
    } else {
        eta.emplace_back("η：不考虑（l0/i≤17.5）");
    }
    lines.push_back(line(std::move(eta)));
    lines.push_back(
        line({"α＝" + figure(ReadOut::Alpha, r.alpha), "αt＝" + figure(ReadOut::AlphaT, r.alphaT),
              "Nud＝" + figure(ReadOut::Nu, r.Nud) + " kN",
              "Mud＝" + figure(ReadOut::Mu, r.Mud) + " kN·m"}));
    // A section that carries nothing has no utilisation: its read-out is
    // empty, and the sheet leaves it out rather than print a bare ＝.
    std::vector<std::string> limit{"φ＝" + figure(ReadOut::Phi, r.phi),
                                   "Nmax＝" + figure(ReadOut::NuAxial, r.Nmax) + " kN"};
    if (const std::string& utilisation = texts[jtg3362::readOutIndex(ReadOut::Utilisation)];
        !utilisation.empty())
        limit.push_back("利用率γ0Nd/min(Nud, Nmax)＝" + utilisation);
    lines.push_back(line(std::move(limit)));
    for (ReportLine& steelLine : steelLines(current, texts)) lines.push_back(std::move(steelLine));
    lines.push_back(line({"校核结果＝" + std::string(verdictText(r.verdict))}));
    return lines;
}

}  // namespace pilaro
