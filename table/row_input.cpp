#include "table/row_input.h"

#include <algorithm>

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

namespace {

class RowReader {
  public:
    explicit RowReader(RowCase& row) : row_(row) {}

    std::string_view cell(Column c) const { return row_.cells[indexOf(c)]; }

    void fail(Column c, const std::string& problem) {
        row_.errors.push_back("column " + columnLabel(c) + ": " + problem);
    }

    // Appended, not a literal prepended: gcc 12 at -O3 warns falsely
    // (-Wrestrict) about the latter.
    std::string quoted(Column c) const {
        std::string text(1, '"');
        text += cell(c);
        text += '"';
        return text;
    }

    double number(Column c) {
        const NumberCell n = readNumber(cell(c));
        switch (n.problem) {
            case NumberProblem::None:
                break;
            case NumberProblem::Empty:
                fail(c, "is empty");
                break;
            case NumberProblem::NotANumber:
                fail(c, quoted(c) + " is not a number");
                break;
            case NumberProblem::OutOfRange:
                fail(c, quoted(c) + " is out of range");
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
        reader.fail(Column::Ag, "a check takes 钢筋面积/Ag or 钢筋/bars, not both");
        return 0;
    }
    if (hasBars) {
        if (const std::optional<double> area = readBars(reader.cell(Column::Bars))) return *area;
        reader.fail(Column::Bars,
                    reader.quoted(Column::Bars) + " is not bars of the bar table such as 24D28");
        return 0;
    }
    if (!hasArea) {
        reader.fail(Column::Ag, "a check needs 钢筋面积/Ag or 钢筋/bars");
        return 0;
    }
    return reader.number(Column::Ag);
}

}  // namespace

RowCase readRow(const CellRow& record, const ColumnMap& columns,
                const std::optional<ProvidedSteel>& provided) {
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
            row.errors.push_back("column " + std::to_string(i + 1) + ": \"" + record.cells[i] +
                                 "\" stands under no column name");
    }

    CalcInput& in = row.input;
    const std::optional<CalcType> type = readType(reader.cell(Column::Type));
    if (!type)
        reader.fail(Column::Type,
                    reader.quoted(Column::Type) + " is not 配筋计算, 强度校核, design or check");
    const ConcreteGrade* concrete = readConcrete(reader.cell(Column::Concrete));
    if (!concrete)
        reader.fail(Column::Concrete, reader.quoted(Column::Concrete) +
                                          " is not a concrete grade (15号, 20号 … 60号)");
    const SteelGrade* steel = readSteel(reader.cell(Column::Steel));
    if (!steel)
        reader.fail(Column::Steel,
                    reader.quoted(Column::Steel) + " is not a steel grade (Ⅰ级 … Ⅳ级, 5号)");
    in.Nj = reader.number(Column::Nj);
    in.Mj = reader.number(Column::Mj);
    in.D = reader.number(Column::D);
    in.a = reader.number(Column::a);
    in.l0 = reader.number(Column::l0);

    in.type = provided ? CalcType::Check : type.value_or(CalcType::None);
    in.Ag = 0.0;
    if (provided) {
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
