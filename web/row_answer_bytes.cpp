#include "web/row_answer_bytes.h"

#include <cstring>
#include <type_traits>

namespace pilaro::web {

using table::RowAnswer;

// Copied as bytes: no pointer, nothing owned.
static_assert(std::is_trivially_copyable_v<RowAnswer>);

std::string answerBytes(std::span<const RowAnswer> answers) {
    std::string bytes(answers.size() * sizeof(RowAnswer), '\0');
    if (!answers.empty()) std::memcpy(bytes.data(), answers.data(), bytes.size());
    return bytes;
}

std::optional<std::vector<RowAnswer>> answersOf(std::string_view bytes) {
    if (bytes.size() % sizeof(RowAnswer) != 0) return std::nullopt;
    std::vector<RowAnswer> answers(bytes.size() / sizeof(RowAnswer));
    if (!answers.empty()) std::memcpy(answers.data(), bytes.data(), bytes.size());
    return answers;
}

}  // namespace pilaro::web
