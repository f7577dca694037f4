#include "table/row_method.h"

#include "jtg3362/bars.h"
#include "table/cell_values.h"

namespace pilaro::table {

namespace {

template <typename Grade>
const Grade* readGrade(std::span<const Grade> grades, std::string_view text) {
    const std::string_view cell = trimBlanks(text);
    for (const Grade& grade : grades)
        if (equalsIgnoringAsciiCase(cell, grade.text)) return &grade;
    return nullptr;
}

template <typename Grade>
std::vector<std::string_view> namesOf(std::span<const Grade> grades) {
    std::vector<std::string_view> names;
    for (const Grade& grade : grades) names.push_back(grade.text);
    return names;
}

}  // namespace

const jtg3362::Concrete* readCurrentConcrete(std::string_view text) {
    return readGrade(jtg3362::concreteGrades(), text);
}

const jtg3362::Steel* readCurrentSteel(std::string_view text) {
    return readGrade(jtg3362::steelGrades(), text);
}

Method rowMethod(std::string_view concrete, std::string_view steel) {
    return readCurrentConcrete(concrete) || readCurrentSteel(steel) ? Method::Jtg3362
                                                                    : Method::Archived;
}

bool namesCurrentCode(const CellRow& record, const ColumnMap& columns) {
    const auto cell = [&](Column c) {
        const auto& at = columns.position[indexOf(c)];
        return at && *at < record.cells.size() ? std::string_view(record.cells[*at])
                                               : std::string_view();
    };
    return rowMethod(cell(Column::Concrete), cell(Column::Steel)) == Method::Jtg3362;
}

bool mayNameCurrentCode(std::string_view text) {
    // Byte by byte, which a compiler turns into a fast scan of a whole
    // table's text.
    bool letter = false;
    for (const char c : text) {
        const char lower = static_cast<char>(c | 0x20);
        letter = letter || lower == 'c' || lower == 'b';
    }
    return letter;
}

std::vector<std::string_view> currentConcreteNames() {
    return namesOf(jtg3362::concreteGrades());
}

std::vector<std::string_view> currentSteelNames() {
    return namesOf(jtg3362::steelGrades());
}

std::vector<std::string_view> currentBarDiameters() {
    std::vector<std::string_view> diameters;
    for (const jtg3362::BarSize& size : jtg3362::kBarSizes)
        diameters.push_back(size.label.substr(1));
    return diameters;
}

}  // namespace pilaro::table
