#include "messages/field_messages.h"

namespace pilaro::messages {

Wording fieldName(Field field) {
    switch (field) {
        case Field::Name:
            return {"名称", "name"};
        case Field::Member:
            return {"构件", "member"};
        case Field::Type:
            return {"计算类型", "calculation type"};
        case Field::Concrete:
            return {"混凝土标号", "concrete grade"};
        case Field::Steel:
            return {"钢筋等级", "steel grade"};
        case Field::AxialForce:
            return {"轴向力", "axial force"};
        case Field::Moment:
            return {"计算弯矩", "design moment"};
        case Field::Diameter:
            return {"圆形直径", "diameter"};
        case Field::Cover:
            return {"保护层厚度", "cover"};
        case Field::Length:
            return {"计算长度", "effective length"};
        case Field::SteelArea:
            return {"纵向钢筋面积", "steel area"};
        case Field::Bars:
            return {"钢筋", "bars"};
        case Field::ImportanceFactor:
            return {"结构重要性系数γ0", "importance factor γ0"};
        case Field::Method:
            return {"计算方法", "method"};
    }
    return {};
}

Wording fieldProblemWording(FieldProblem problem) {
    switch (problem) {
        case FieldProblem::NotANumber:
            return {"{1}输入有误：{2}不是一个数。请用小数点，不要加单位或千分位逗号。",
                    "{1}: {2} is not a number"};
        case FieldProblem::NotANumberNorBars:
            return {
                "{1}输入有误：{2}既不是一个数，也不是钢筋（如24D28或12D28+12D25）。"
                "请用小数点，不要加单位或千分位逗号。",
                "{1}: {2} is neither a number nor bars such as 24D28 or 12D28+12D25"};
        case FieldProblem::NotBars:
            return {
                "{1}输入有误：{2}既不是一个数，也不是钢筋（如24D28或12D28+12D25）。"
                "请用小数点，不要加单位或千分位逗号。",
                "{1}: {2} is not bars of the bar table such as 24D28"};
        case FieldProblem::UnknownBarDiameter:
            return {"{1}输入有误：{2}中有钢筋表中没有的直径。钢筋直径只能是{3}（mm）。",
                    "{1}: {2} is not bars of the bar table such as 24D28"};
        case FieldProblem::NotFromList:
            return {"{1}请从列表中选择", "{1}: choose it from the list"};
        case FieldProblem::Empty:
            return {"{1}不能为空，请输入{1}！", "{1}: is empty"};
        case FieldProblem::TooLarge:
            return {"{1}的数值超出范围，请检查{1}！", "{1}: {2} is out of range"};
        case FieldProblem::NotAType:
            return {"{1}输入有误：{2}不是配筋计算或强度校核。",
                    "{1}: {2} is not 配筋计算, 强度校核, design or check"};
        case FieldProblem::NotAConcreteGrade:
            return {"{1}输入有误：{2}不是混凝土标号（15号、20号……60号）。",
                    "{1}: {2} is not a concrete grade (15号, 20号 … 60号)"};
        case FieldProblem::NotASteelGrade:
            return {"{1}输入有误：{2}不是钢筋等级（Ⅰ级……Ⅳ级、5号）。",
                    "{1}: {2} is not a steel grade (Ⅰ级 … Ⅳ级, 5号)"};
        case FieldProblem::AreaAndBars:
            return {"强度校核只取{1}或{2}之一，请删去其中一个！",
                    "{1}: a check takes {1} or {2}, not both"};
        case FieldProblem::NoSteel:
            return {"强度校核需要{1}或{2}（如24D28），请输入纵向钢筋面积！",
                    "{1}: a check needs {1} or {2}"};
        case FieldProblem::UnderNoColumn:
            return {"第{1}列的{2}不在任何列名之下，请补上列名或删去它！",
                    "{1}: {2} stands under no column name"};
        case FieldProblem::GradesOfTwoMethods:
            return {
                "{1}{2}与{3}{4}分属两种方法，不能混用：原方法用号和级（如25号、Ⅱ级），"
                "JTG 3362-2018用C25～C80和HPB300、HRB400、HRBF400、RRB400、HRB500。",
                "{1} {2} and {3} {4} are grades of two methods: the archived method takes "
                "号 and 级 (25号, Ⅱ级), JTG 3362-2018 takes C25 … C80 with HPB300, HRB400, "
                "HRBF400, RRB400 or HRB500"};
        case FieldProblem::NotACurrentConcreteGrade:
            return {"{1}输入有误：{2}不是JTG 3362-2018的混凝土强度等级（{3}）。",
                    "{1}: {2} is not a concrete grade of JTG 3362-2018 ({3})"};
        case FieldProblem::NotACurrentSteelGrade:
            return {"{1}输入有误：{2}不是JTG 3362-2018的钢筋（{3}）。",
                    "{1}: {2} is not a steel of JTG 3362-2018 ({3})"};
        case FieldProblem::ImportanceFactorOnArchivedRow:
            return {"{1}输入有误：原方法（号、级）没有结构重要性系数，{2}处应留空或填1.0。",
                    "{1}: {2} on a row of the archived method, which has no γ0; leave it empty "
                    "or 1.0"};
    }
    return {};
}

Message fieldMessage(FieldProblem problem, const Message& name, std::string_view typed,
                     std::span<const std::string_view> barDiameters) {
    std::string chinese, english;
    for (std::string_view diameter : barDiameters) {
        chinese += (chinese.empty() ? "" : "、") + std::string(diameter);
        english += (english.empty() ? "" : ", ") + std::string(diameter);
    }
    return fill(fieldProblemWording(problem), {name, quoted(typed), Message(chinese, english)});
}

}  // namespace pilaro::messages
