// Any bytes as a cell of a load-case table: the number, bars, type and
// grade readers never crash, agree with independent readings, and read the
// same with blanks around a cell or its letters in another case; the UTF-8
// check agrees with a decoder of code points. Bars joined by '+' give the
// sum of their areas. A '|' in the input splits it into two bars cells.
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/materials.h"
#include "table/cell_values.h"
#include "tests/fuzz/fuzz_check.h"
#include "text/utf8.h"

namespace {

using namespace pilaro;
using pilaro::test::quoted;
using pilaro::test::require;

// Well-formed UTF-8 by the code point each sequence decodes to.
bool decodesAsUtf8(std::string_view s) {
    static constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        const int length = lead < 0x80             ? 1
                           : (lead & 0xE0) == 0xC0 ? 2
                           : (lead & 0xF0) == 0xE0 ? 3
                           : (lead & 0xF8) == 0xF0 ? 4
                                                   : 0;
        if (length == 0 || i + length > s.size()) return false;
        std::uint32_t point = lead & (0xFFu >> (length == 1 ? 1 : length + 1));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            point = point << 6 | (next & 0x3F);
        }
        if (point < kLeast[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string flippedCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::optional<long long> thousandths(std::optional<double> area) {
    if (!area) return std::nullopt;
    return std::llround(*area * 1000);
}

void checkNumber(std::string_view text) {
    const table::NumberCell cell = table::readNumber(text);
    const std::string where = quoted(text);
    require(!std::isnan(cell.value), "a number cell read as NaN", where);
    const table::NumberCell padded = table::readNumber(" \t" + std::string(text) + "\t ");
    require(padded.problem == cell.problem && std::bit_cast<std::uint64_t>(padded.value) ==
                                                  std::bit_cast<std::uint64_t>(cell.value),
            "blanks around a number cell changed it", where);
    if (cell.problem == table::NumberProblem::Empty) {
        require(table::trimBlanks(text).empty(), "a cell with text read as empty", where);
        return;
    }
    if (cell.problem == table::NumberProblem::NotANumber) return;
    // The C library's reading of the same digits (the process keeps the
    // "C" locale), which also takes forms the cell refuses.
    const std::string digits(table::trimBlanks(text));
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(digits.c_str(), &end);
    require(end == digits.c_str() + digits.size(), "a number cell took what strtod stops in",
            where);
    if (cell.problem == table::NumberProblem::OutOfRange) {
        require(errno == ERANGE, "a number in range read as out of range", where);
        return;
    }
    require(std::isfinite(cell.value) &&
                (cell.value == reference && std::signbit(cell.value) == std::signbit(reference)),
            "a number cell differs from strtod", where);
}

void checkBars(std::string_view text) {
    const std::optional<double> area = table::readBars(text);
    const std::string where = quoted(text);
    if (area)
        require(std::isfinite(*area) && *area > 0 &&
                    std::fabs(*area * 1000 - std::round(*area * 1000)) < 1e-6 * *area * 1000,
                "bars gave an area that is no positive whole number of thousandths of a cm²",
                where);
    require(thousandths(table::readBars(" \t" + std::string(text) + "\t ")) == thousandths(area),
            "blanks around a bars cell changed it", where);
}

void checkBarsSum(std::string_view a, std::string_view b) {
    const std::optional<double> first = table::readBars(a), second = table::readBars(b);
    if (!first || !second) return;
    const std::optional<long long> joined =
        thousandths(table::readBars(std::string(a) + "+" + std::string(b)));
    require(joined == *thousandths(first) + *thousandths(second),
            "bars joined by '+' are not the sum of their areas", quoted(a) + " + " + quoted(b));
}

template <typename Grade>
void checkGrade(const Grade* (*read)(std::string_view), std::span<const Grade> grades,
                std::string_view text, const char* what) {
    const Grade* grade = read(text);
    const std::string where = quoted(text);
    require(!grade || (grade >= grades.data() && grade < grades.data() + grades.size()),
            std::string("a ") + what + " grade not of the table", where);
    require(read(" \t" + std::string(text) + "\t ") == grade,
            std::string("blanks around a ") + what + " cell changed it", where);
    require(read(flippedCase(text)) == grade,
            std::string("the case of a ") + what + " cell's letters changed it", where);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkNumber(text);
    checkBars(text);
    if (const auto bar = text.find('|'); bar != std::string_view::npos)
        checkBarsSum(text.substr(0, bar), text.substr(bar + 1));
    checkGrade(&table::readConcrete, concreteGrades(), text, "concrete");
    checkGrade(&table::readSteel, steelGrades(), text, "steel");
    const std::optional<CalcType> type = table::readType(text);
    require(table::readType(flippedCase(text)) == type, "the case of a type cell changed it",
            quoted(text));
    require(text::isUtf8(text) == decodesAsUtf8(text), "the UTF-8 check disagrees with the decoder",
            quoted(text));
    return 0;
}
