#include "engine/materials.h"

#include <gtest/gtest.h>

#include "tests/support/grades.h"

namespace pilaro {
namespace {

TEST(Materials, ListsHoldTheGradesInOrder) {
    const char* concrete[] = {"15号", "20号", "25号", "30号", "40号", "50号", "60号"};
    const char* steel[] = {"\u2160级", "\u2161级", "\u2162级", "\u2163级", "5号"};
    ASSERT_EQ(concreteGrades().size(), 7u);
    ASSERT_EQ(steelGrades().size(), 5u);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(concreteGrades()[i].text, concrete[i]);
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(steelGrades()[i].text, steel[i]);
}

TEST(Materials, LookupMatchesExactTextOnly) {
    constexpr test::Grade kNoMatch = {0, 0};
    struct Case {
        const char* text;
        test::Grade grade;
    };
    const Case concrete[] = {
        {"15号", test::k15}, {"25号", test::k25}, {"60号", test::k60},
        {"5号", kNoMatch},   {" 25号", kNoMatch}, {"25号 ", kNoMatch},
        {"25", kNoMatch},    {"35号", kNoMatch},  {"", kNoMatch},
    };
    for (const Case& c : concrete) {
        const ConcreteGrade* row = findConcreteGrade(c.text);
        if (c.grade.strength == 0) {
            EXPECT_EQ(row, nullptr) << c.text;
        } else {
            ASSERT_NE(row, nullptr) << c.text;
            EXPECT_EQ(row->Ra, c.grade.strength);
            EXPECT_EQ(row->Eh, c.grade.modulus);
        }
    }
    const Case steel[] = {
        {"\u2160级", test::kI},  {"\u2161级", test::kII}, {"\u2162级", test::kIII},
        {"\u2163级", test::kIV}, {"5号", test::k5},       {"I级", kNoMatch},
        {"15号", kNoMatch},      {"\u2160", kNoMatch},
    };
    for (const Case& c : steel) {
        const SteelGrade* row = findSteelGrade(c.text);
        if (c.grade.strength == 0) {
            EXPECT_EQ(row, nullptr) << c.text;
        } else {
            ASSERT_NE(row, nullptr) << c.text;
            EXPECT_EQ(row->Rg, c.grade.strength);
            EXPECT_EQ(row->Eg, c.grade.modulus);
        }
    }
}

}  // namespace
}  // namespace pilaro
