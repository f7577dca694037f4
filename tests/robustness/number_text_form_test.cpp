// The read-out checker used by the property test and the fuzzers must
// itself tell good read-outs from bad ones, or those would prove nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/number_parse.h"
#include "engine/number_text.h"
#include "tests/robustness/awkward_inputs.h"
#include "tests/robustness/number_text_form.h"

namespace pilaro::test {
namespace {

struct ReadOut {
    double value;
    const char* text;
    bool wellFormed;
};

class ReadOutForm : public testing::TestWithParam<ReadOut> {};

TEST_P(ReadOutForm, IsJudgedRightly) {
    const ReadOut& r = GetParam();
    EXPECT_EQ(numberTextFault(r.value, r.text).empty(), r.wellFormed) << '"' << r.text << '"';
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadOutForm,
    testing::Values(ReadOut{28, " 28", true}, ReadOut{0.5656, " .5656", true},
                    ReadOut{-0.12345, "-.12345", true}, ReadOut{0, " 0", true},
                    ReadOut{-0.0, " 0", true}, ReadOut{1e15, " 1E+15", true},
                    ReadOut{1.5e-7, " 1.5E-07", true}, ReadOut{207.021, " 207.021", true},
                    ReadOut{1.0 / 3.0, " .333333333333333", true}, ReadOut{28, "28", false},
                    ReadOut{28, "-28", false}, ReadOut{28, "  28", false},
                    ReadOut{0.5, " 0.5", false}, ReadOut{1.5, " 1.50", false},
                    ReadOut{2, " 2.", false}, ReadOut{1.0 / 3.0, " .3333333333333333", false},
                    ReadOut{1.0 / 3.0, " .333333333333334", false}, ReadOut{1e15, " 1E+5", false},
                    ReadOut{1e15, " 1E15", false}, ReadOut{1e15, " 10E+14", false},
                    ReadOut{kInf, " inf", false}, ReadOut{kInf, "", true},
                    ReadOut{NAN, " nan", false}, ReadOut{1e5, " 1,00000", false},
                    ReadOut{0, "", false}));

// The read-out of every awkward number the run can meet is well formed.
TEST(ReadOutForm, EveryAwkwardNumberReadsOutWell) {
    for (double v : awkwardNumbers()) EXPECT_EQ(numberTextFault(v, numberToText(v)), "") << v;
}

struct TypedText {
    std::string text;
    double value;
};

class AwkwardText : public testing::TestWithParam<TypedText> {};

// What the window reads from text an engineer types; the run then answers
// infinity with a message.
TEST_P(AwkwardText, ReadsByTheLeadingNumberRule) {
    const double read = parseNumber(GetParam().text);
    EXPECT_EQ(read, GetParam().value) << '"' << GetParam().text.substr(0, 40) << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AwkwardText,
    testing::Values(TypedText{"abc", 0}, TypedText{"1,5", 1}, TypedText{"&HFFFF", 65535},
                    TypedText{"1e400", kInf}, TypedText{"-1e400", -kInf}, TypedText{"--5", 0},
                    TypedText{".", 0}, TypedText{"1 200", 1200}, TypedText{" 1 2 0 0 ", 1200},
                    TypedText{"12.5kN", 12.5}, TypedText{"1e-400", 0}, TypedText{"1e+", 1},
                    TypedText{"NaN", 0}, TypedText{"inf", 0}, TypedText{"0x1p3", 0},
                    TypedText{"１２", 0}, TypedText{std::string(5000, '9'), kInf},
                    TypedText{"7" + std::string(100000, 'x'), 7}));

}  // namespace
}  // namespace pilaro::test
