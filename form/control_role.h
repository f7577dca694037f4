// What a control is to the form's rules: an input they read, a
// calculation-type option, a button, a read-out they write, or nothing (a
// frame, a caption). The rules name controls by their roles; only the
// control table knows which object name has which role.
#pragma once

#include <variant>

#include "engine/calculation.h"
#include "engine/read_outs.h"
#include "jtg3362/read_outs.h"

namespace pilaro {

// What the user gives: the two grade lists and the fields typed into, and
// the choice of method with the current code's importance factor.
enum class FormInput {
    ConcreteGrade,     // 混凝土标号
    SteelGrade,        // 钢筋等级
    AxialForce,        // 轴向力
    Moment,            // 计算弯矩
    Diameter,          // 圆形直径
    Cover,             // 保护层厚度
    Length,            // 计算长度
    GivenArea,         // 纵向钢筋面积, read in 强度校核 only
    Method,            // 计算方法: the archived method or JTG 3362-2018
    ImportanceFactor,  // 结构重要性系数γ0, of JTG 3362-2018 only
};

enum class FormButton { Run, Print, Exit };

// An option is the calculation type it chooses (Design or Check). A
// read-out is the archived method's (ReadOutId), or one of the current
// code's that has a field of its own (jtg3362::ReadOut): the current
// code's other read-outs show in the archived field of the same name.
using ControlRole =
    std::variant<std::monostate, FormInput, CalcType, FormButton, ReadOutId, jtg3362::ReadOut>;

}  // namespace pilaro
