#include "table/row_input.h"

#include <algorithm>

#include "engine/messages.h"
#include "table/bar_notation.h"
#include "table/cell_values.h"

namespace pilaro::table {

std::optional<ProvidedSteel> readProvidedSteel(const std::string& text) {
    if (const std::optional<double> area = readBars(text))
        return ProvidedSteel{std::string(trimBlanks(text)), true, *area};
    const NumberCell number = readNumber(text);
    if (number.problem == NumberProblem::None)
        return ProvidedSteel{std::string(trimBlanks(text)), false, number.value};
    return std::nullopt;
}

const ProvidedSteel* ProvidedSteels::forMember(std::string_view member) const {
    const auto own = byMember.find(trimBlanks(member));
    if (own != byMember.end()) return &own->second;
    return every ? &*every : nullptr;
}

bool addProvidedSteel(ProvidedSteels& steels, std::string_view text, std::string& problem) {
    // Bars and areas hold no '=', a member's name may.
    const auto equals = text.rfind('=');
    const bool forOne = equals != std::string_view::npos;
    const std::string member(forOne ? trimBlanks(text.substr(0, equals)) : std::string_view());
    const std::string steelText(forOne ? text.substr(equals + 1) : text);
    const std::optional<ProvidedSteel> steel = readProvidedSteel(steelText);
    // Appended, not a literal prepended: gcc 12 at -O3 warns falsely
    // (-Wrestrict) about the latter.
    if (!steel || steel->Ag <= 0) {
        problem = '"';
        problem += steelText;
        problem += "\" is neither bars of the bar table such as 24D28 nor a positive area in cm²";
        return false;
    }
    if (forOne && member.empty()) {
        problem = '"';
        problem += text;
        problem += "\" names no member before its '='";
        return false;
    }
    if (!forOne && steels.every) {
        problem = "steel for every member is given twice, " + steels.every->text + " and " +
                  steel->text + "; give a member's own as MEMBER=" + steel->text;
        return false;
    }
    if (forOne && !steels.byMember.emplace(member, *steel).second) {
        problem = "member " + member + " is given steel twice";
        return false;
    }
    if (!forOne) steels.every = steel;
    return true;
}

namespace {

// The window's control that takes what a column holds, so that a cell's
// problem reads as the window's message for the same text.
std::string_view controlOf(Column c) {
    switch (c) {
        case Column::Concrete:
            return "cbohnt";
        case Column::Steel:
            return "cbogj";
        case Column::Nj:
            return "txtnj";
        case Column::Mj:
            return "txtmj";
        case Column::D:
            return "txtzd";
        case Column::a:
            return "txtbc";
        case Column::l0:
            return "txtlj";
        case Column::Ag:
        case Column::Bars:
            return "txtag1";
        case Column::Name:
        case Column::Member:
        case Column::Type:
            break;
    }
    return {};
}

// The window's stop for a number too large for the machine in the field
// that takes the column.
CalcStatus tooLargeStatusOf(Column c) {
    switch (c) {
        case Column::Nj:
            return CalcStatus::AxialForceTooLarge;
        case Column::Mj:
            return CalcStatus::MomentTooLarge;
        case Column::D:
            return CalcStatus::DiameterTooLarge;
        case Column::a:
            return CalcStatus::CoverTooLarge;
        case Column::l0:
            return CalcStatus::LengthTooLarge;
        default:
            return CalcStatus::AreaTooLarge;
    }
}

class RowReader {
  public:
    explicit RowReader(RowCase& row) : row_(row) {}

    std::string_view cell(Column c) const { return row_.cells[indexOf(c)]; }

    void fail(Column c, const std::string& problem, std::string chinese) {
        row_.errors.push_back({"column " + columnLabel(c) + ": " + problem, std::move(chinese)});
    }

    // Appended, not a literal prepended: gcc 12 at -O3 warns falsely
    // (-Wrestrict) about the latter.
    std::string quoted(Column c) const {
        std::string text(1, '"');
        text += cell(c);
        text += '"';
        return text;
    }

    std::string windowMessage(FieldProblem problem, Column c) const {
        return fieldMessage(problem, controlOf(c), cell(c));
    }

    double number(Column c) {
        const NumberCell n = readNumber(cell(c));
        switch (n.problem) {
            case NumberProblem::None:
                break;
            case NumberProblem::Empty:
                fail(c, "is empty", windowMessage(FieldProblem::Empty, c));
                break;
            case NumberProblem::NotANumber:
                fail(c, quoted(c) + " is not a number", windowMessage(FieldProblem::NotANumber, c));
                break;
            case NumberProblem::OutOfRange:
                fail(c, quoted(c) + " is out of range",
                     std::string(statusMessage(tooLargeStatusOf(c))));
                break;
        }
        return n.value;
    }

  private:
    RowCase& row_;
};

// The given steel of a check: an area or bars, one of the two.
double givenSteel(RowReader& reader) {
    const bool hasArea = !trimBlanks(reader.cell(Column::Ag)).empty();
    const bool hasBars = !trimBlanks(reader.cell(Column::Bars)).empty();
    if (hasArea && hasBars) {
        reader.fail(Column::Ag, "a check takes 钢筋面积/Ag or 钢筋/bars, not both",
                    "强度校核只取钢筋面积或钢筋之一，请删去其中一个！");
        return 0;
    }
    if (hasBars) {
        const BarReading bars = readBarNotation(reader.cell(Column::Bars));
        if (bars.kind == BarTextKind::Bars) return bars.area();
        reader.fail(Column::Bars,
                    reader.quoted(Column::Bars) + " is not bars of the bar table such as 24D28",
                    reader.windowMessage(bars.kind == BarTextKind::UnknownDiameter
                                             ? FieldProblem::UnknownBarDiameter
                                             : FieldProblem::NotANumberNorBars,
                                         Column::Bars));
        return 0;
    }
    if (!hasArea) {
        reader.fail(Column::Ag, "a check needs 钢筋面积/Ag or 钢筋/bars",
                    "强度校核需要钢筋面积或钢筋（如24D28），请输入纵向钢筋面积！");
        return 0;
    }
    return reader.number(Column::Ag);
}

}  // namespace

RowCase readRow(const CellRow& record, const ColumnMap& columns, const ProvidedSteels& steels) {
    RowCase row;
    row.line = record.line;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        const auto& position = columns.position[i];
        if (position && *position < record.cells.size()) row.cells[i] = record.cells[*position];
    }
    RowReader reader(row);
    for (std::size_t i = 0; i < record.cells.size(); ++i) {
        const bool named = i < columns.headerCells &&
                           std::find(columns.position.begin(), columns.position.end(), i) !=
                               columns.position.end();
        if (!named && !trimBlanks(record.cells[i]).empty())
            row.errors.push_back({"column " + std::to_string(i + 1) + ": \"" + record.cells[i] +
                                      "\" stands under no column name",
                                  "第" + std::to_string(i + 1) + "列的" +
                                      quotedInMessage(record.cells[i]) +
                                      "不在任何列名之下，请补上列名或删去它！"});
    }

    CalcInput& in = row.input;
    const std::optional<CalcType> type = readType(reader.cell(Column::Type));
    if (!type)
        reader.fail(Column::Type,
                    reader.quoted(Column::Type) + " is not 配筋计算, 强度校核, design or check",
                    "计算类型输入有误：" + quotedInMessage(reader.cell(Column::Type)) +
                        "不是配筋计算或强度校核。");
    const ConcreteGrade* concrete = readConcrete(reader.cell(Column::Concrete));
    if (!concrete)
        reader.fail(
            Column::Concrete,
            reader.quoted(Column::Concrete) + " is not a concrete grade (15号, 20号 … 60号)",
            "混凝土标号输入有误：" + quotedInMessage(reader.cell(Column::Concrete)) +
                "不是混凝土标号（15号、20号……60号）。");
    const SteelGrade* steel = readSteel(reader.cell(Column::Steel));
    if (!steel)
        reader.fail(Column::Steel,
                    reader.quoted(Column::Steel) + " is not a steel grade (Ⅰ级 … Ⅳ级, 5号)",
                    "钢筋等级输入有误：" + quotedInMessage(reader.cell(Column::Steel)) +
                        "不是钢筋等级（Ⅰ级……Ⅳ级、5号）。");
    in.Nj = reader.number(Column::Nj);
    in.Mj = reader.number(Column::Mj);
    in.D = reader.number(Column::D);
    in.a = reader.number(Column::a);
    in.l0 = reader.number(Column::l0);

    const ProvidedSteel* provided = steels.forMember(row.cells[indexOf(Column::Member)]);
    in.type = provided ? CalcType::Check : type.value_or(CalcType::None);
    in.Ag = 0.0;
    if (provided) {
        if (type) row.cells[indexOf(Column::Type)] = "强度校核";
        row.cells[indexOf(Column::Ag)] = provided->asBars ? "" : provided->text;
        row.cells[indexOf(Column::Bars)] = provided->asBars ? provided->text : "";
        in.Ag = provided->Ag;
    } else if (in.type == CalcType::Check) {
        in.Ag = givenSteel(reader);
    }
    if (concrete) {
        in.Ra = concrete->Ra;
        in.Eh = concrete->Eh;
    }
    if (steel) {
        in.Rg = steel->Rg;
        in.Eg = steel->Eg;
    }
    return row;
}

}  // namespace pilaro::table
