#include "engine/materials.h"

#include <gtest/gtest.h>

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
    struct Case {
        const char* text;
        double strength;  // 0: no match
        double modulus;
    };
    const Case concrete[] = {
        {"15号", 8500, 23000000},
        {"25号", 14500, 28500000},
        {"60号", 32500, 36500000},
        {"5号", 0, 0},
        {" 25号", 0, 0},
        {"25号 ", 0, 0},
        {"25", 0, 0},
        {"35号", 0, 0},
        {"", 0, 0},
    };
    for (const Case& c : concrete) {
        const ConcreteGrade* row = findConcreteGrade(c.text);
        if (c.strength == 0) {
            EXPECT_EQ(row, nullptr) << c.text;
        } else {
            ASSERT_NE(row, nullptr) << c.text;
            EXPECT_EQ(row->Ra, c.strength);
            EXPECT_EQ(row->Eh, c.modulus);
        }
    }
    const Case steel[] = {
        {"\u2160级", 240000, 210000000},
        {"\u2161级", 340000, 200000000},
        {"\u2162级", 380000, 200000000},
        {"\u2163级", 550000, 200000000},
        {"5号", 280000, 200000000},
        {"I级", 0, 0},
        {"15号", 0, 0},
        {"\u2160", 0, 0},
    };
    for (const Case& c : steel) {
        const SteelGrade* row = findSteelGrade(c.text);
        if (c.strength == 0) {
            EXPECT_EQ(row, nullptr) << c.text;
        } else {
            ASSERT_NE(row, nullptr) << c.text;
            EXPECT_EQ(row->Rg, c.strength);
            EXPECT_EQ(row->Eg, c.modulus);
        }
    }
}

}  // namespace
}  // namespace pilaro
