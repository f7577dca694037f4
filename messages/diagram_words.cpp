#include "messages/diagram_words.h"

#include <string>

namespace pilaro::messages {

Wording diagramWord(DiagramWord word) {
    switch (word) {
        case DiagramWord::Title:
            return {"N–M 相关曲线", "N–M interaction curve"};
        case DiagramWord::Passes:
            return {"通过验算", "passes"};
        case DiagramWord::Fails:
            return {"重新配筋", "reinforce again"};
        case DiagramWord::Capacity:
            return {"截面承载力", "section capacity"};
        case DiagramWord::MomentAxis:
            return {"弯矩 M（kN·m）", "moment M (kN·m)"};
        case DiagramWord::AxialForceAxis:
            return {"轴向力 N（kN）", "axial force N (kN)"};
        case DiagramWord::Design:
            return {"配筋计算", "design"};
    }
    return {};
}

Message diagramMethodNote(std::string_view gamma0) {
    return fill({"（JTG 3362-2018，γ0＝{1}）", " (JTG 3362-2018, γ0 = {1})"}, {gamma0});
}

Message diagramAxialLimit(std::string_view Nmax) {
    return fill({"Nmax＝{1} kN", "Nmax = {1} kN"}, {Nmax});
}

Message diagramSectionLine(std::string_view D, std::string_view a, std::string_view concrete,
                           std::string_view steel, std::string_view steelText,
                           std::string_view area, std::string_view rho) {
    Message line = fill({"直径 D＝{1} m，保护层 a＝{2} m，{3}混凝土，{4}钢筋，钢筋 {5}",
                         "diameter D = {1} m, cover a = {2} m, {3} concrete, {4} steel, steel {5}"},
                        {D, a, concrete, steel, steelText});
    if (!area.empty()) line = line + fill({"（{1} cm²）", " ({1} cm²)"}, {area});
    return line + fill({"，配筋率＝{1}", ", steel ratio = {1}"}, {rho});
}

Message loadCaseName(std::string_view Nj, std::string_view Mj) {
    return fill({"Nj＝{1}，Mj＝{2}", "Nj = {1}, Mj = {2}"}, {Nj, Mj});
}

Message amplifiedLoadCaseName(std::string_view Nj, std::string_view etaMj) {
    return fill({"Nj＝{1}，η·Mj＝{2}", "Nj = {1}, η·Mj = {2}"}, {Nj, etaMj});
}

Message currentLoadCaseName(std::string_view gamma0Nd, std::string_view moment) {
    return fill({"γ0Nd＝{1}，γ0Nd·ηe0＝{2}", "γ0Nd = {1}, γ0Nd·ηe0 = {2}"}, {gamma0Nd, moment});
}

Message memberSubject(std::string_view member, bool hasMemberColumn) {
    if (!hasMemberColumn) return {"全表", "all rows"};
    if (member.empty()) return {"未填构件的行", "the rows without a member"};
    return fill({"构件 {1}", "member {1}"}, {member});
}

Wording diagramProblemWording(DiagramProblem problem) {
    switch (problem) {
        case DiagramProblem::NoRowWithoutErrors:
            return {"{1}：每一行都有输入错误，不画图",
                    "{1}: no row without input errors; no diagram"};
        case DiagramProblem::TwoMethods:
            return {
                "{1}：第 {2} 行按原方法（号、级）、第 {3} 行按 JTG 3362-2018 计算，"
                "两种方法不画在同一张图上，不画图",
                "{1}: row {2} is of the archived method and row {3} of JTG 3362-2018, which "
                "one diagram does not show together; no diagram"};
        case DiagramProblem::NotOneSection:
            return {"{1}：第 {2} 行与第 {3} 行的{4}不同，不是同一截面，不画图",
                    "{1}: rows {2} and {3} differ in {4}, so they are not one section; no diagram"};
        case DiagramProblem::NoSteel:
            return {"{1}：既没有强度校核，也没有有结果的配筋计算给出钢筋，不画图",
                    "{1}: no check and no design with a result gives its steel; no diagram"};
        case DiagramProblem::NoCurve:
            return {"{1}：配 {2} 的截面没有相关曲线（{3}），不画图",
                    "{1}: the section with {2} has no curve ({3}); no diagram"};
        case DiagramProblem::NoStateInCompression:
            return {"没有受压状态", "no state in compression"};
    }
    return {};
}

Message diagramMessage(DiagramProblem problem, std::initializer_list<Message> arguments) {
    return fill(diagramProblemWording(problem), arguments);
}

Message diagramFileLine(const Message& subject, std::string_view steelText, std::string_view file) {
    // "构件 P1 的", but "全表的".
    const bool spaced =
        !subject.chinese.empty() && static_cast<unsigned char>(subject.chinese.back()) < 0x80;
    return fill({"{1}{2} N–M 图（{3}）：{4}\n", "diagram of {1} with {3}: {4}\n"},
                {subject, spaced ? " 的" : "的", steelText, file});
}

}  // namespace pilaro::messages
