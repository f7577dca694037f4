#include "engine/messages.h"

#include <array>

#include "engine/bar_counts.h"
#include "engine/calculation.h"

namespace pilaro {

std::string_view statusMessage(CalcStatus status) {
    switch (status) {
        case CalcStatus::Done:
            return {};
        case CalcStatus::NoType:
            return "请选择计算类型《配筋计算或强度验算！》";
        case CalcStatus::EnlargeSection:
            return "应加大截面尺寸！";
        case CalcStatus::InputOutOfRange:
            return "输入的数值超出范围，请检查轴向力、弯矩、直径、保护层厚度、计算长度和钢筋面积！";
        case CalcStatus::ZeroDiameter:
            return "圆形直径不能为零，请输入圆形直径！";
        case CalcStatus::ZeroAxialForce:
            return "轴向力不能为零，请输入轴向力！";
        case CalcStatus::MissingGrade:
            return "请选择混凝土标号和钢筋等级！";
        case CalcStatus::DivisionByZero:
            return "计算中出现除数为零，请检查保护层厚度、弯矩和计算长度！";
        case CalcStatus::ResultOutOfRange:
            return "计算结果超出数值范围，请检查输入数据！";
        case CalcStatus::NotConverging:
            return "计算不收敛，请调整截面尺寸或荷载！";
        case CalcStatus::MomentTooLarge:
            return "计算弯矩的数值超出范围，请检查计算弯矩！";
        case CalcStatus::AxialForceTooLarge:
            return "轴向力的数值超出范围，请检查轴向力！";
        case CalcStatus::DiameterTooLarge:
            return "圆形直径的数值超出范围，请检查圆形直径！";
        case CalcStatus::CoverTooLarge:
            return "保护层厚度的数值超出范围，请检查保护层厚度！";
        case CalcStatus::LengthTooLarge:
            return "计算长度的数值超出范围，请检查计算长度！";
        case CalcStatus::AreaTooLarge:
            return "纵向钢筋面积的数值超出范围，请检查纵向钢筋面积！";
        case CalcStatus::NegativeDiameter:
            return "圆形直径不能为负数，请检查圆形直径！";
        case CalcStatus::CoverOutsideSection:
            return "保护层厚度应不小于0且小于圆形直径的一半（单位为m），请检查保护层厚度！";
        case CalcStatus::TensionForce:
            return "轴向力不能为负数：本程序只计算偏心受压构件，请输入轴向压力！";
        case CalcStatus::NegativeLength:
            return "计算长度不能为负数，请检查计算长度！";
        case CalcStatus::NegativeArea:
            return "纵向钢筋面积不能为负数，请检查纵向钢筋面积！";
        case CalcStatus::SectionTooSmall:
            return "截面太小：配筋率达到100%也不能承受轴向力，应加大截面尺寸！";
        case CalcStatus::AreaAboveSection:
            return "纵向钢筋面积大于截面面积（配筋率大于1），请检查纵向钢筋面积！";
    }
    return {};
}

namespace {

struct ControlName {
    std::string_view control;
    std::string_view name;  // as the caption beside it says, without the unit
};

constexpr std::array<ControlName, 8> kControlNames = {{
    {"cbohnt", "混凝土标号"},
    {"cbogj", "钢筋等级"},
    {"txtnj", "轴向力"},
    {"txtmj", "计算弯矩"},
    {"txtzd", "圆形直径"},
    {"txtbc", "保护层厚度"},
    {"txtlj", "计算长度"},
    {"txtag1", "纵向钢筋面积"},
}};

std::string_view nameOf(std::string_view control) {
    for (const ControlName& c : kControlNames)
        if (c.control == control) return c.name;
    return control;
}

// Long enough for anything typed by hand; a long paste is cut, so that the
// message stays a message.
constexpr std::size_t kLongestQuote = 40;

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// "12、14、16、…、36": the diameters of the bar table in mm.
std::string barDiameters() {
    std::string list;
    for (const BarSize& bar : kBarSizes) {
        if (!list.empty()) list += "、";
        list += bar.label.substr(1);
    }
    return list;
}

}  // namespace

std::string quotedInMessage(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\n");
    text = first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && characters < kLongestQuote) {
        ++end;
        while (end < text.size() && !startsCharacter(text[end])) ++end;
        ++characters;
    }
    std::string out = "“";
    out += text.substr(0, end);
    if (end < text.size()) out += "……";
    return out + "”";
}

std::string fieldMessage(FieldProblem problem, std::string_view control, std::string_view text) {
    std::string message(nameOf(control));
    constexpr std::string_view kDecimalHint = "请用小数点，不要加单位或千分位逗号。";
    switch (problem) {
        case FieldProblem::NotANumber:
            message += "输入有误：" + quotedInMessage(text) + "不是一个数。";
            message += kDecimalHint;
            break;
        case FieldProblem::NotANumberNorBars:
            message += "输入有误：" + quotedInMessage(text) +
                       "既不是一个数，也不是钢筋（如24D28或12D28+12D25）。";
            message += kDecimalHint;
            break;
        case FieldProblem::UnknownBarDiameter:
            message += "输入有误：" + quotedInMessage(text) +
                       "中有钢筋表中没有的直径。钢筋直径只能是" + barDiameters() + "（mm）。";
            break;
        case FieldProblem::NotFromList:
            message += "请从列表中选择";
            break;
        case FieldProblem::Empty:
            message += "不能为空，请输入";
            message += nameOf(control);
            message += "！";
            break;
    }
    return message;
}

}  // namespace pilaro
