#include "table/cell_values.h"

#include <charconv>

#include "engine/decimal_chars.h"
#include "table/bar_notation.h"

namespace pilaro::table {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

NumberCell readNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return {0, NumberProblem::Empty};
    // One sign at most: from_chars takes no '+', and would also take "inf"
    // and "nan".
    const std::string_view unsignedPart = text[0] == '+' || text[0] == '-' ? text.substr(1) : text;
    const std::string_view digits = text[0] == '+' ? unsignedPart : text;
    if (unsignedPart.empty() || !(isDigit(unsignedPart[0]) || unsignedPart[0] == '.'))
        return {0, NumberProblem::NotANumber};
    double value = 0;
    const auto [end, ec] = decimalFromChars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::invalid_argument || end != digits.data() + digits.size())
        return {0, NumberProblem::NotANumber};
    if (ec == std::errc::result_out_of_range) return {0, NumberProblem::OutOfRange};
    return {value, NumberProblem::None};
}

std::optional<CalcType> readType(std::string_view text) {
    text = trimBlanks(text);
    if (text == kDesignTypeText || equalsIgnoringAsciiCase(text, "design")) return CalcType::Design;
    if (text == kCheckTypeText || equalsIgnoringAsciiCase(text, "check")) return CalcType::Check;
    return std::nullopt;
}

const ConcreteGrade* readConcrete(std::string_view text) {
    text = trimBlanks(text);
    if (const ConcreteGrade* grade = findConcreteGrade(text)) return grade;
    return findConcreteGrade(std::string(text) + "号");
}

const SteelGrade* readSteel(std::string_view text) {
    text = trimBlanks(text);
    if (const SteelGrade* grade = findSteelGrade(text)) return grade;
    static constexpr std::string_view kRoman[] = {"Ⅰ", "Ⅱ", "Ⅲ", "Ⅳ"};
    static constexpr std::string_view kLatin[] = {"I", "II", "III", "IV"};
    std::string_view stem = text;
    if (stem.ends_with("级")) stem.remove_suffix(std::string_view("级").size());
    const auto grades = steelGrades();
    for (std::size_t i = 0; i < 4; ++i) {
        const bool digit = stem.size() == 1 && stem[0] == static_cast<char>('1' + i);
        if (stem == kRoman[i] || equalsIgnoringAsciiCase(stem, kLatin[i]) || digit)
            return &grades[i];
    }
    if (text == "5") return &grades[4];
    return nullptr;
}

std::optional<double> readBars(std::string_view text) {
    const table::BarReading bars = table::readBarNotation(text);
    if (bars.kind != table::BarTextKind::Bars) return std::nullopt;
    return bars.area();
}

}  // namespace pilaro::table
