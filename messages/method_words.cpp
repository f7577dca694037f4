#include "messages/method_words.h"

namespace pilaro::messages {

Wording methodWording(MethodWord word) {
    switch (word) {
        case MethodWord::Archived:
            return {"原方法（号、级）", "Archived method (号, 级 grades)"};
        case MethodWord::Jtg3362:
            return {"JTG 3362-2018（现行规范）", "JTG 3362-2018 (the current code)"};
    }
    return {};
}

Wording importanceFactorWording(SafetyGrade grade) {
    switch (grade) {
        case SafetyGrade::First:
            return {"1.1（一级）", "1.1 (safety grade 1)"};
        case SafetyGrade::Second:
            return {"1.0（二级）", "1.0 (safety grade 2)"};
        case SafetyGrade::Third:
            return {"0.9（三级）", "0.9 (safety grade 3)"};
    }
    return {};
}

}  // namespace pilaro::messages
