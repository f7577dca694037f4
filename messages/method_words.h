// The words of the form's choice of method: the entries of its list of
// methods, and of the list of the current code's importance factor γ0 by
// the safety grade each belongs to.
#pragma once

#include "messages/wording.h"

namespace pilaro::messages {

// In list order: the archived method first, the form's default.
enum class MethodWord {
    Archived,  // the method of 号 and 级 grades
    Jtg3362,   // JTG 3362-2018; the entry begins with the code's name
};

[[nodiscard]] Wording methodWording(MethodWord word);

// γ0 = 1.1, 1.0 and 0.9 for the safety grades 一, 二 and 三, in list
// order; each entry begins with its factor ("1.1（一级）").
enum class SafetyGrade { First, Second, Third };

[[nodiscard]] Wording importanceFactorWording(SafetyGrade grade);

}  // namespace pilaro::messages
