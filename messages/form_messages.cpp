#include "messages/form_messages.h"

#include <array>

#include "messages/field_messages.h"

namespace pilaro::messages {

Wording formNoticeWording(FormNotice notice) {
    switch (notice) {
        case FormNotice::CheckRanAsDesign:
            return {"未输入{1}（或为0），已按配筋计算，结果见“配筋结果”。",
                    "No {1} was given (or it is 0): the section was designed instead; see the "
                    "design results."};
        case FormNotice::NothingToPrint:
            return {"还没有计算结果可打印，请先运行。",
                    "There are no results to print yet: run first."};
        case FormNotice::StaleResults:
            return {"输入已修改，显示的结果已过时，请重新运行后再打印。",
                    "The inputs have changed since these results were computed: run again "
                    "before printing."};
        case FormNotice::StaleHint:
            return {"输入已修改，此结果已过时，请重新运行",
                    "The inputs have changed: this result is out of date, run again"};
        case FormNotice::ClearQuestion:
            return {"清空全部输入和计算结果？", "Clear every input and result?"};
        case FormNotice::ExampleQuestion:
            return {"用示例数据替换已输入的数据？", "Replace what was typed with the example?"};
        case FormNotice::CurrentCheckRanAsDesign:
            return {"未输入{1}，已按配筋计算，结果见“配筋结果”。",
                    "No {1} was given: the section was designed instead; see the design "
                    "results."};
    }
    return {};
}

Message formNotice(FormNotice notice) {
    return fill(formNoticeWording(notice), {fieldName(Field::SteelArea)});
}

namespace {

constexpr std::array kHelp = std::to_array<HelpSection>({
    {{"两种计算", "Two calculations"},
     {"配筋计算：由轴向力和弯矩求圆形截面所需的纵向钢筋面积和配筋率（不小于最小配筋率0.004），"
      "并给出只用一种直径（D12～D36）时所需的钢筋根数。"
      "强度校核：对已有的纵向钢筋求截面的承载力Nq、Mq，并与轴向力比较。"
      "强度校核时若纵向钢筋面积为空或为0，程序按配筋计算，并提示。",
      "配筋计算 (design) finds the steel area and ratio the circular section needs (never below "
      "the minimum ratio 0.004), and how many bars of one diameter (D12 to D36) supply it. "
      "强度校核 (check) finds the capacities Nq and Mq of the steel given and compares Nq with "
      "the axial force. A check with an empty steel area, or 0, is designed, and says so."}},
    {{"输入与单位", "Inputs and units"},
     {"混凝土标号和钢筋等级请从列表中选择。轴向力Nj（kN），计算弯矩Mj（kN·m），"
      "圆形直径D（m），保护层厚度a（m），计算长度l0（m）。"
      "纵向钢筋面积填cm²，或填钢筋，如24D28（24根直径28 mm的钢筋）或12D28+12D25。"
      "数字请用小数点，不要加单位或千分位逗号；空白的输入框按0计。",
      "Pick the concrete and steel grades from their lists. Axial force Nj (kN), design moment "
      "Mj (kN·m), diameter D (m), cover a (m), effective length l0 (m). The steel area is in "
      "cm², or bars such as 24D28 (24 bars of 28 mm) or 12D28+12D25. Use the decimal point, "
      "with no unit and no thousands separator; an empty field reads as 0."}},
    {{"校核结果", "The verdict"},
     {"通过验算！：轴向承载力Nq不小于轴向力Nj；重新配筋！：Nq小于Nj，应增加钢筋或加大截面。"
      "各结果按规定的小数位数向下取整。",
      "通过验算！ (passes): the axial capacity Nq is at least the axial force Nj. 重新配筋！ "
      "(reinforce again): Nq is below Nj; add steel or enlarge the section. Every result is "
      "rounded down to its fixed decimals."}},
    {{"偏心距增大系数η", "The factor η"},
     {"计算长度与直径之比l0/D大于7时，考虑纵向弯曲，偏心距e0乘以增大系数η；"
      "η小于0或大于3时提示“应加大截面尺寸！”。配筋和校核都按η·e0计算。",
      "Where l0/D exceeds 7, the member bows and the eccentricity e0 is multiplied by η; "
      "η below 0 or above 3 asks to enlarge the section. Both calculations work at η·e0."}},
    {{"N–M相关曲线", "The N–M diagram"},
     {"每次运行后画出截面的N–M相关曲线：强度校核用给定的钢筋，配筋计算用算得的钢筋面积。"
      "荷载点画在（η·Mj，Nj）处：绿色为通过验算，红色为重新配筋，"
      "蓝色为配筋计算（截面按该荷载配筋，没有校核结论）。",
      "After each run the section's N–M curve is drawn, with the steel given (check) or the "
      "area found (design). The load stands at (η·Mj, Nj): green passes, red asks to reinforce "
      "again, blue is a design (the section was made to carry it; there is no verdict)."}},
    {{"计算方法", "The method"},
     {"默认按原方法（号、级）计算。在“计算方法”中选择JTG 3362-2018，则按现行《公路钢筋混凝土及"
      "预应力混凝土桥涵设计规范》计算：混凝土C25～C80，钢筋HPB300、HRB400、HRBF400、RRB400、"
      "HRB500，并选择结构重要性系数γ0（1.1、1.0、0.9）。结果另列偏心距e0、η、α、αt、"
      "承载力Nud、Mud、稳定系数φ、Nmax和利用率γ0Nd/min(Nud, Nmax)，钢筋根数为D12～D40。"
      "切换计算方法时保留已输入的荷载和截面，清除另一方法的结果。",
      "The archived method (号, 级 grades) is the default. Choosing JTG 3362-2018 computes by "
      "the current highway-bridge code: concrete C25 to C80, steel HPB300, HRB400, HRBF400, "
      "RRB400 or HRB500, and the importance factor γ0 (1.1, 1.0 or 0.9). Its results add e0, "
      "η, α, αt, the capacities Nud and Mud, the stability factor φ, Nmax and the utilisation "
      "γ0Nd/min(Nud, Nmax); the bars run from D12 to D40. Switching the method keeps the loads "
      "and the section typed and clears the other method's results."}},
    {{"修改与打印", "Edits and printing"},
     {"在输入框中按Enter即运行。修改任何输入后，原有结果和曲线变灰，表示已过时，须重新运行；"
      "打印只打印最近一次运行的结果，运行之前和结果过时时不能打印。",
      "Enter in a field runs. After any input is changed, the results and the diagram turn "
      "grey: they are out of date until the next run. Printing prints the last run's results, "
      "and is refused before a run and while the results are out of date."}},
});

}  // namespace

std::span<const HelpSection> formHelp() {
    return kHelp;
}

}  // namespace pilaro::messages
