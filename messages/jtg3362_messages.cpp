#include "messages/jtg3362_messages.h"

namespace pilaro::messages {

Wording statusWording(jtg3362::Status status) {
    using jtg3362::Status;
    switch (status) {
        case Status::Done:
            return {};
        case Status::EnlargeSection:
            return {"应加大截面尺寸！",
                    "Enlarge the section! It needs more than 5 % of steel; the capacities "
                    "shown are those at 5 %."};
        case Status::SlendernessBeyondTable:
            return {"长细比超出稳定系数表：",
                    "The slenderness is beyond the table of the "
                    "stability factor: "};
        case Status::ImportanceFactorNotAllowed:
            return {
                "结构重要性系数γ0只能为1.1、1.0或0.9（安全等级一级、二级、三级），"
                "请检查结构重要性系数！",
                "The importance factor γ0 can only be 1.1, 1.0 or 0.9 (safety grades 1, "
                "2 and 3)."};
        case Status::UnknownConcrete:
            return {"混凝土强度等级应为C25至C80之一，请从列表中选择！",
                    "The concrete grade must be one of C25 to C80; pick it from the list."};
        case Status::UnknownSteel:
            return {"钢筋等级应为HPB300、HRB400、HRBF400、RRB400或HRB500，请从列表中选择！",
                    "The steel grade must be HPB300, HRB400, HRBF400, RRB400 or HRB500; pick "
                    "it from the list."};
        case Status::AxialForceNotFinite:
            return {"轴向力的数值超出范围，请检查轴向力！",
                    "The axial force is out of range; check the axial force."};
        case Status::MomentNotFinite:
            return {"计算弯矩的数值超出范围，请检查计算弯矩！",
                    "The design moment is out of range; check the design moment."};
        case Status::DiameterNotFinite:
            return {"圆形直径的数值超出范围，请检查圆形直径！",
                    "The diameter is out of range; check the diameter."};
        case Status::CoverNotFinite:
            return {"保护层厚度的数值超出范围，请检查保护层厚度！",
                    "The cover is out of range; check the cover."};
        case Status::LengthNotFinite:
            return {"计算长度的数值超出范围，请检查计算长度！",
                    "The effective length is out of range; check the effective length."};
        case Status::AreaNotFinite:
            return {"纵向钢筋面积的数值超出范围，请检查纵向钢筋面积！",
                    "The area of longitudinal steel is out of range; check the area."};
        case Status::DiameterNotPositive:
            return {"圆形直径应大于0，请检查圆形直径！",
                    "The diameter must be greater than 0; check the diameter."};
        case Status::CoverOutsideSection:
            return {"保护层厚度应大于0且小于圆形直径的一半（单位为m），请检查保护层厚度！",
                    "The cover must be greater than 0 and less than half the diameter (in m); "
                    "check the cover."};
        case Status::AxialForceNotPositive:
            return {"轴向力应大于0：本方法只计算偏心受压构件，请输入轴向压力！",
                    "The axial force must be greater than 0: the method treats eccentric "
                    "compression only; enter a compressive force."};
        case Status::NegativeLength:
            return {"计算长度不能为负数，请检查计算长度！",
                    "The effective length cannot be negative; check the effective length."};
        case Status::NegativeArea:
            return {"纵向钢筋面积不能为负数，请检查纵向钢筋面积！",
                    "The area of longitudinal steel cannot be negative; check the area."};
        case Status::AreaAboveSection:
            return {"纵向钢筋面积大于截面面积，请检查纵向钢筋面积！",
                    "The area of longitudinal steel is larger than the section; check the "
                    "area."};
        case Status::TooFewBars:
            return {
                "纵向钢筋少于8根：圆形截面的计算公式假定不少于8根钢筋沿周边均匀布置，"
                "请检查纵向钢筋面积！",
                "Fewer than 8 longitudinal bars: the equations of a circular section "
                "assume at least 8 bars evenly round it; check the bars."};
        case Status::ResultOutOfRange:
            return {"计算结果超出数值范围，请检查输入数据！",
                    "A result is out of the range of numbers; check the input."};
    }
    return {};
}

Message slendernessDetail(std::string_view l0OverD, std::string_view largest) {
    return fill({"l0/D＝{1}，大于{2}，请检查计算长度或加大圆形直径！", "l0/D = {1} is above {2}."},
                {l0OverD, largest});
}

}  // namespace pilaro::messages
