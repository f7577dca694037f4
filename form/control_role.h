// What a control is to the form's rules: an input they read, a
// calculation-type option, a button, a read-out they write, or nothing (a
// frame, a caption). The rules name controls by their roles; only the
// control table knows which object name has which role.
#pragma once

#include <variant>

#include "engine/calculation.h"
#include "engine/read_outs.h"

namespace pilaro {

// What the user gives: the two grade lists and the fields typed into.
enum class FormInput {
    ConcreteGrade,  // 混凝土标号
    SteelGrade,     // 钢筋等级
    AxialForce,     // 轴向力
    Moment,         // 计算弯矩
    Diameter,       // 圆形直径
    Cover,          // 保护层厚度
    Length,         // 计算长度
    GivenArea,      // 纵向钢筋面积, read in 强度校核 only
};

enum class FormButton { Run, Print, Exit };

// An option is the calculation type it chooses (Design or Check).
using ControlRole = std::variant<std::monostate, FormInput, CalcType, FormButton, ReadOutId>;

}  // namespace pilaro
