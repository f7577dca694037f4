#include "messages/run_messages.h"

namespace pilaro {

namespace messages {

Wording statusWording(CalcStatus status) {
    switch (status) {
        case CalcStatus::Done:
            return {};
        case CalcStatus::NoType:
            return {"请选择计算类型《配筋计算或强度验算！》",
                    "Choose the calculation type (design or check)!"};
        case CalcStatus::EnlargeSection:
            return {"应加大截面尺寸！", "Enlarge the section!"};
        case CalcStatus::InputOutOfRange:
            return {
                "输入的数值超出范围，请检查轴向力、弯矩、直径、保护层厚度、计算长度和钢筋面积！",
                "A value is out of range: check the axial force, moment, diameter, cover, "
                "effective length and steel area!"};
        case CalcStatus::ZeroDiameter:
            return {"圆形直径不能为零，请输入圆形直径！",
                    "The diameter cannot be zero: enter the diameter!"};
        case CalcStatus::ZeroAxialForce:
            return {"轴向力不能为零，请输入轴向力！",
                    "The axial force cannot be zero: enter the axial force!"};
        case CalcStatus::MissingGrade:
            return {"请选择混凝土标号和钢筋等级！",
                    "Choose the concrete grade and the steel grade!"};
        case CalcStatus::DivisionByZero:
            return {"计算中出现除数为零，请检查保护层厚度、弯矩和计算长度！",
                    "The calculation divides by zero: check the cover, moment and effective "
                    "length!"};
        case CalcStatus::ResultOutOfRange:
            return {"计算结果超出数值范围，请检查输入数据！",
                    "A result is out of range: check the input!"};
        case CalcStatus::NotConverging:
            return {"计算不收敛，请调整截面尺寸或荷载！",
                    "The calculation does not converge: change the section or the loads!"};
        case CalcStatus::MomentTooLarge:
            return {"计算弯矩的数值超出范围，请检查计算弯矩！",
                    "The design moment is out of range: check the design moment!"};
        case CalcStatus::AxialForceTooLarge:
            return {"轴向力的数值超出范围，请检查轴向力！",
                    "The axial force is out of range: check the axial force!"};
        case CalcStatus::DiameterTooLarge:
            return {"圆形直径的数值超出范围，请检查圆形直径！",
                    "The diameter is out of range: check the diameter!"};
        case CalcStatus::CoverTooLarge:
            return {"保护层厚度的数值超出范围，请检查保护层厚度！",
                    "The cover is out of range: check the cover!"};
        case CalcStatus::LengthTooLarge:
            return {"计算长度的数值超出范围，请检查计算长度！",
                    "The effective length is out of range: check the effective length!"};
        case CalcStatus::AreaTooLarge:
            return {"纵向钢筋面积的数值超出范围，请检查纵向钢筋面积！",
                    "The steel area is out of range: check the steel area!"};
        case CalcStatus::NegativeDiameter:
            return {"圆形直径不能为负数，请检查圆形直径！",
                    "The diameter cannot be negative: check the diameter!"};
        case CalcStatus::CoverOutsideSection:
            return {"保护层厚度应不小于0且小于圆形直径的一半（单位为m），请检查保护层厚度！",
                    "The cover must be at least 0 and less than half the diameter (both in m): "
                    "check the cover!"};
        case CalcStatus::TensionForce:
            return {"轴向力不能为负数：本程序只计算偏心受压构件，请输入轴向压力！",
                    "The axial force cannot be negative: only eccentric compression is "
                    "calculated; enter a compressive force!"};
        case CalcStatus::NegativeLength:
            return {"计算长度不能为负数，请检查计算长度！",
                    "The effective length cannot be negative: check the effective length!"};
        case CalcStatus::NegativeArea:
            return {"纵向钢筋面积不能为负数，请检查纵向钢筋面积！",
                    "The steel area cannot be negative: check the steel area!"};
        case CalcStatus::SectionTooSmall:
            return {"截面太小：配筋率达到100%也不能承受轴向力，应加大截面尺寸！",
                    "The section is too small: even a steel ratio of 100% cannot carry the axial "
                    "force; enlarge the section!"};
        case CalcStatus::AreaAboveSection:
            return {"纵向钢筋面积大于截面面积（配筋率大于1），请检查纵向钢筋面积！",
                    "The steel area is larger than the section (a ratio above 1): check the steel "
                    "area!"};
    }
    return {};
}

Wording verdictWording(Verdict verdict) {
    switch (verdict) {
        case Verdict::None:
            return {};
        case Verdict::Passes:
            return {"通过验算！", "Passes!"};
        case Verdict::Fails:
            return {"重新配筋！", "Reinforce again!"};
    }
    return {};
}

}  // namespace messages

std::string_view statusMessage(CalcStatus status, Language language) {
    return messages::statusWording(status).in(language);
}

std::string_view verdictText(Verdict verdict, Language language) {
    return messages::verdictWording(verdict).in(language);
}

}  // namespace pilaro
