#include "table/row_input.h"

#include <algorithm>
#include <span>

#include "engine/bar_counts.h"
#include "jtg3362/bars.h"
#include "messages/batch_messages.h"
#include "messages/field_messages.h"
#include "messages/sheet_messages.h"
#include "messages/table_messages.h"
#include "table/bar_notation.h"
#include "table/cell_values.h"

namespace pilaro::table {

using messages::Field;
using messages::FieldProblem;
using messages::Message;
using messages::ProvideProblem;

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

bool addProvidedSteel(ProvidedSteels& steels, std::string_view text, Message& problem) {
    // Bars and areas hold no '=', a member's name may.
    const auto equals = text.rfind('=');
    const bool forOne = equals != std::string_view::npos;
    const std::string member(forOne ? trimBlanks(text.substr(0, equals)) : std::string_view());
    const std::string steelText(forOne ? text.substr(equals + 1) : text);
    const std::optional<ProvidedSteel> steel = readProvidedSteel(steelText);
    if (!steel || steel->Ag <= 0) {
        problem = messages::provideMessage(ProvideProblem::NotSteel, {messages::quoted(steelText)});
        return false;
    }
    if (forOne && member.empty()) {
        problem =
            messages::provideMessage(ProvideProblem::NoMemberBefore, {messages::quoted(text)});
        return false;
    }
    if (!forOne && steels.every) {
        problem =
            messages::provideMessage(ProvideProblem::EveryTwice, {steels.every->text, steel->text});
        return false;
    }
    if (forOne && !steels.byMember.emplace(member, *steel).second) {
        problem = messages::provideMessage(ProvideProblem::MemberTwice, {member});
        return false;
    }
    if (!forOne) steels.every = steel;
    return true;
}

namespace {

// The window's field that takes what a column holds, whose caption names
// the column in the output's Chinese message, as the window's message for
// the same text does.
Field windowFieldOf(Column c) {
    return c == Column::Bars ? Field::SteelArea : fieldOf(c);
}

// The message for a cell's text, which names the bar table's diameters
// where it needs them.
Message cellMessage(FieldProblem problem, const Message& name, std::string_view text) {
    constexpr auto kDiameters = barDiameters();
    return messages::fieldMessage(problem, name, text, kDiameters);
}

class RowReader {
  public:
    RowReader(RowCase& row, const ColumnMap& columns) : row_(row), columns_(columns) {}

    std::string_view cell(Column c) const { return row_.cells[indexOf(c)]; }

    // The column named as the output names it: the window's caption in
    // Chinese, 直径/D in English.
    static Message outputName(Column c) {
        return {std::string(messages::fieldName(windowFieldOf(c)).chinese), columnLabel(c)};
    }

    void fail(Column c, FieldProblem problem) {
        add(cellMessage(problem, outputName(c), cell(c)),
            cellMessage(problem, columnAsWritten(columns_, c), cell(c)));
    }

    // A problem whose message lists what the cell may hold.
    void fail(Column c, FieldProblem problem, std::span<const std::string_view> list) {
        add(messages::fieldMessage(problem, outputName(c), cell(c), list),
            messages::fieldMessage(problem, columnAsWritten(columns_, c), cell(c), list));
    }

    // Grades of two methods: both grade columns and texts named.
    void failGrades() {
        const messages::Wording wording =
            messages::fieldProblemWording(FieldProblem::GradesOfTwoMethods);
        const Message concrete = messages::quoted(cell(Column::Concrete));
        const Message steel = messages::quoted(cell(Column::Steel));
        add(messages::fill(wording, {outputName(Column::Concrete), concrete,
                                     outputName(Column::Steel), steel}),
            messages::fill(wording, {columnAsWritten(columns_, Column::Concrete), concrete,
                                     columnAsWritten(columns_, Column::Steel), steel}));
    }

    // The check's steel: the area's column and the bars' named together.
    void failSteel(FieldProblem problem) {
        const messages::Wording wording = messages::fieldProblemWording(problem);
        add(messages::fill(wording, {columnName(Column::Ag), columnName(Column::Bars)}),
            messages::fill(wording, {columnAsWritten(columns_, Column::Ag),
                                     columnAsWritten(columns_, Column::Bars)}));
    }

    void add(const Message& output, const Message& told) {
        row_.errors.push_back({messages::inColumn(output), messages::inColumn(told)});
    }

    // A problem that names its cell itself.
    void addOfCell(const Message& problem) { row_.errors.push_back({problem, problem}); }

    double number(Column c) {
        const NumberCell n = readNumber(cell(c));
        switch (n.problem) {
            case NumberProblem::None:
                break;
            case NumberProblem::Empty:
                fail(c, FieldProblem::Empty);
                break;
            case NumberProblem::NotANumber:
                fail(c, FieldProblem::NotANumber);
                break;
            case NumberProblem::OutOfRange:
                fail(c, FieldProblem::TooLarge);
                break;
        }
        return n.value;
    }

  private:
    RowCase& row_;
    const ColumnMap& columns_;
};

// The given steel of a check: an area or bars, one of the two.
double givenSteel(RowReader& reader) {
    const bool hasArea = !trimBlanks(reader.cell(Column::Ag)).empty();
    const bool hasBars = !trimBlanks(reader.cell(Column::Bars)).empty();
    if (hasArea && hasBars) {
        reader.failSteel(FieldProblem::AreaAndBars);
        return 0;
    }
    if (hasBars) {
        const BarReading bars = readBarNotation(reader.cell(Column::Bars));
        if (bars.kind == BarTextKind::Bars) return bars.area();
        reader.fail(Column::Bars, bars.kind == BarTextKind::UnknownDiameter
                                      ? FieldProblem::UnknownBarDiameter
                                      : FieldProblem::NotBars);
        return 0;
    }
    if (!hasArea) {
        reader.failSteel(FieldProblem::NoSteel);
        return 0;
    }
    return reader.number(Column::Ag);
}

// The characters a workbook counts in a text: UTF-16 units.
std::size_t sheetCharacters(std::string_view text) {
    std::size_t units = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

// A cell longer than a sheet's cell holds, which no output may cut short.
void refuseLongCells(RowReader& reader, const CellRow& record, const ColumnMap& columns) {
    for (std::size_t i = 0; i < record.cells.size(); ++i) {
        if (record.cells[i].size() <= kMostCellCharacters ||
            sheetCharacters(record.cells[i]) <= kMostCellCharacters)
            continue;
        std::optional<Message> name;
        for (std::size_t c = 0; c < kColumnCount; ++c)
            if (columns.position[c] == i) name = columnAsWritten(columns, static_cast<Column>(c));
        for (const OtherColumn& other : columns.others)
            if (other.position == i) name = Message(other.heading);
        if (!name) continue;  // told as a cell under no column
        const Message message = messages::sheetMessage(
            messages::SheetProblem::CellTooLong, {*name, std::to_string(kMostCellCharacters)});
        reader.add(message, message);
    }
}

// The archived method has no γ0: its cell is empty or 1.0.
void noImportanceFactor(RowReader& reader) {
    if (trimBlanks(reader.cell(Column::Gamma0)).empty()) return;
    const double gamma0 = reader.number(Column::Gamma0);
    if (readNumber(reader.cell(Column::Gamma0)).problem == NumberProblem::None && gamma0 != 1.0)
        reader.fail(Column::Gamma0, FieldProblem::ImportanceFactorOnArchivedRow);
}

// The current code's bars: its own sizes (12 to 40 mm) and their areas,
// and how many bars, which its check needs.
void currentBars(RowReader& reader, std::string_view text, jtg3362::Input& in) {
    const jtg3362::BarsReading bars = jtg3362::readBars(text);
    if (bars.kind == BarTextKind::Bars) {
        in.As = bars.area;
        in.bars = bars.bars;
    } else if (bars.kind == BarTextKind::UnknownDiameter) {
        reader.fail(Column::Bars, FieldProblem::UnknownBarDiameter, currentBarDiameters());
    } else {
        reader.fail(Column::Bars, FieldProblem::NotBars);
    }
}

// A check's steel under the current code: an area or bars, one of the two.
void currentGivenSteel(RowReader& reader, jtg3362::Input& in) {
    const bool hasArea = !trimBlanks(reader.cell(Column::Ag)).empty();
    const bool hasBars = !trimBlanks(reader.cell(Column::Bars)).empty();
    if (hasArea && hasBars)
        reader.failSteel(FieldProblem::AreaAndBars);
    else if (hasBars)
        currentBars(reader, reader.cell(Column::Bars), in);
    else if (!hasArea)
        reader.failSteel(FieldProblem::NoSteel);
    else
        in.As = reader.number(Column::Ag);
}

// A row whose grades are the current code's, in the order of the archived
// row's reading, then γ0 (empty is 1.0).
void readCurrentRow(RowReader& reader, RowCase& row, std::optional<CalcType> type,
                    const ProvidedSteel* provided) {
    jtg3362::Input& in = row.current;
    const jtg3362::Concrete* concrete = readCurrentConcrete(reader.cell(Column::Concrete));
    const jtg3362::Steel* steel = readCurrentSteel(reader.cell(Column::Steel));
    if ((concrete && readSteel(reader.cell(Column::Steel))) ||
        (steel && readConcrete(reader.cell(Column::Concrete)))) {
        reader.failGrades();
    } else {
        if (!concrete)
            reader.fail(Column::Concrete, FieldProblem::NotACurrentConcreteGrade,
                        currentConcreteNames());
        if (!steel)
            reader.fail(Column::Steel, FieldProblem::NotACurrentSteelGrade, currentSteelNames());
    }
    in.concrete = concrete ? concrete->text : "";
    in.steel = steel ? steel->text : "";
    in.Nd = reader.number(Column::Nj);
    in.Md = reader.number(Column::Mj);
    in.D = reader.number(Column::D);
    in.a = reader.number(Column::a);
    in.l0 = reader.number(Column::l0);
    const bool check = provided || type == CalcType::Check;
    in.task = check ? jtg3362::Task::Check : jtg3362::Task::Design;
    if (provided && provided->asBars)
        currentBars(reader, provided->text, in);
    else if (provided)
        in.As = provided->Ag;
    else if (check)
        currentGivenSteel(reader, in);
    in.gamma0 =
        trimBlanks(reader.cell(Column::Gamma0)).empty() ? 1.0 : reader.number(Column::Gamma0);
}

}  // namespace

RowCase readRow(const CellRow& record, const ColumnMap& columns, const ProvidedSteels& steels) {
    RowCase row;
    row.line = record.line;
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        const auto& position = columns.position[i];
        if (position && *position < record.cells.size()) row.cells[i] = record.cells[*position];
    }
    for (const OtherColumn& other : columns.others)
        row.otherCells.push_back(other.position < record.cells.size() ? record.cells[other.position]
                                                                      : std::string());
    RowReader reader(row, columns);
    for (const Message& problem : record.problems) reader.addOfCell(problem);
    refuseLongCells(reader, record, columns);
    for (std::size_t i = 0; i < record.cells.size(); ++i) {
        const bool named =
            i < columns.headerCells &&
            (std::find(columns.position.begin(), columns.position.end(), i) !=
                 columns.position.end() ||
             std::any_of(columns.others.begin(), columns.others.end(),
                         [i](const OtherColumn& other) { return other.position == i; }));
        if (!named && !trimBlanks(record.cells[i]).empty()) {
            const Message message =
                messages::fill(messages::fieldProblemWording(FieldProblem::UnderNoColumn),
                               {std::to_string(i + 1), messages::quoted(record.cells[i])});
            reader.add(message, message);
        }
    }

    CalcInput& in = row.input;
    const std::optional<CalcType> type = readType(reader.cell(Column::Type));
    if (!type) reader.fail(Column::Type, FieldProblem::NotAType);
    const ProvidedSteel* provided = steels.forMember(row.cells[indexOf(Column::Member)]);
    if (provided) {
        if (type) row.cells[indexOf(Column::Type)] = kCheckTypeText;
        row.cells[indexOf(Column::Ag)] = provided->asBars ? "" : provided->text;
        row.cells[indexOf(Column::Bars)] = provided->asBars ? provided->text : "";
    }
    row.method = rowMethod(reader.cell(Column::Concrete), reader.cell(Column::Steel));
    if (row.method == Method::Jtg3362) {
        readCurrentRow(reader, row, type, provided);
        return row;
    }
    const ConcreteGrade* concrete = readConcrete(reader.cell(Column::Concrete));
    if (!concrete) reader.fail(Column::Concrete, FieldProblem::NotAConcreteGrade);
    const SteelGrade* steel = readSteel(reader.cell(Column::Steel));
    if (!steel) reader.fail(Column::Steel, FieldProblem::NotASteelGrade);
    in.Nj = reader.number(Column::Nj);
    in.Mj = reader.number(Column::Mj);
    in.D = reader.number(Column::D);
    in.a = reader.number(Column::a);
    in.l0 = reader.number(Column::l0);

    in.type = provided ? CalcType::Check : type.value_or(CalcType::None);
    in.Ag = 0.0;
    if (provided)
        in.Ag = provided->Ag;
    else if (in.type == CalcType::Check)
        in.Ag = givenSteel(reader);
    noImportanceFactor(reader);
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
