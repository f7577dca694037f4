#include "form/method_choice.h"

#include <array>

#include "messages/method_words.h"

namespace pilaro {

namespace {

using messages::MethodWord;
using messages::SafetyGrade;

struct MethodRow {
    table::Method method;
    MethodWord word;
};

constexpr std::array<MethodRow, 2> kMethods = {{
    {table::Method::Archived, MethodWord::Archived},
    {table::Method::Jtg3362, MethodWord::Jtg3362},
}};

struct FactorRow {
    double gamma0;
    SafetyGrade grade;
};

constexpr std::array<FactorRow, 3> kFactors = {{
    {1.1, SafetyGrade::First},
    {1.0, SafetyGrade::Second},
    {0.9, SafetyGrade::Third},
}};

std::string_view textOf(const MethodRow& row) {
    return messages::methodWording(row.word).chinese;
}

std::string_view textOf(const FactorRow& row) {
    return messages::importanceFactorWording(row.grade).chinese;
}

template <std::size_t N, class Row>
std::vector<std::string_view> entriesOf(const std::array<Row, N>& rows) {
    std::vector<std::string_view> entries;
    for (const Row& row : rows) entries.push_back(textOf(row));
    return entries;
}

template <std::size_t N, class Row>
const Row* rowOfEntry(const std::array<Row, N>& rows, std::string_view entry) {
    for (const Row& row : rows)
        if (textOf(row) == entry) return &row;
    return nullptr;
}

}  // namespace

std::vector<std::string_view> methodEntries() {
    return entriesOf(kMethods);
}

std::optional<table::Method> methodOfEntry(std::string_view entry) {
    const MethodRow* row = rowOfEntry(kMethods, entry);
    return row ? std::optional(row->method) : std::nullopt;
}

std::string_view methodEntry(table::Method method) {
    for (const MethodRow& row : kMethods)
        if (row.method == method) return textOf(row);
    return {};
}

std::vector<std::string_view> importanceFactorEntries() {
    return entriesOf(kFactors);
}

std::optional<double> importanceFactorOfEntry(std::string_view entry) {
    const FactorRow* row = rowOfEntry(kFactors, entry);
    return row ? std::optional(row->gamma0) : std::nullopt;
}

std::string_view importanceFactorEntry(double gamma0) {
    for (const FactorRow& row : kFactors)
        if (row.gamma0 == gamma0) return textOf(row);
    return {};
}

}  // namespace pilaro
