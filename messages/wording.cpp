#include "messages/wording.h"

namespace pilaro::messages {

namespace {

std::string filled(std::string_view wording, std::initializer_list<Message> arguments,
                   Language language) {
    std::string text;
    text.reserve(wording.size() + 16);
    for (std::size_t i = 0; i < wording.size(); ++i) {
        const bool placeholder = wording[i] == '{' && i + 2 < wording.size() &&
                                 wording[i + 1] >= '1' && wording[i + 1] <= '9' &&
                                 wording[i + 2] == '}';
        const auto n = placeholder ? static_cast<std::size_t>(wording[i + 1] - '1') : 0;
        if (placeholder && n < arguments.size()) {
            text += arguments.begin()[n].in(language);
            i += 2;
        } else {
            text += wording[i];
        }
    }
    return text;
}

// Long enough for anything typed by hand; a long paste is cut, so that the
// message stays a message.
constexpr std::size_t kLongestQuote = 40;

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

Message operator+(Message first, const Message& second) {
    first.chinese += second.chinese;
    first.english += second.english;
    return first;
}

Message fill(Wording wording, std::initializer_list<Message> arguments) {
    return {filled(wording.chinese, arguments, Language::Chinese),
            filled(wording.english, arguments, Language::English)};
}

std::string quotedInMessage(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\n");
    text = first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && characters < kLongestQuote) {
        ++end;
        while (end < text.size() && !startsCharacter(text[end])) ++end;
        ++characters;
    }
    std::string out = "“";
    out += text.substr(0, end);
    if (end < text.size()) out += "……";
    return out + "”";
}

Message quoted(std::string_view typed) {
    // Appended, not a literal prepended: gcc 12 at -O3 warns falsely
    // (-Wrestrict) about the latter.
    std::string english(1, '"');
    english += typed;
    english += '"';
    return {quotedInMessage(typed), std::move(english)};
}

}  // namespace pilaro::messages
