// How the message home writes a message: a wording in both languages, with
// "{1}", "{2}" … for what the message quotes, filled into a Message, which
// holds both languages until a front end picks the one it speaks.
#pragma once

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "messages/language.h"

namespace pilaro::messages {

// A text as written, in Chinese and in English.
struct Wording {
    std::string_view chinese;
    std::string_view english;

    [[nodiscard]] constexpr std::string_view in(Language language) const {
        return language == Language::English ? english : chinese;
    }
};

// A message made for one case, in both languages.
struct Message {
    std::string chinese;
    std::string english;

    Message() = default;
    Message(std::string chineseText, std::string englishText)
        : chinese(std::move(chineseText)), english(std::move(englishText)) {}
    // The same text in both languages: a number, a file's name, a cell as
    // typed.
    Message(std::string_view same) : chinese(same), english(same) {}
    Message(const std::string& same) : chinese(same), english(same) {}
    Message(const char* same) : chinese(same), english(same) {}
    Message(Wording wording) : chinese(wording.chinese), english(wording.english) {}

    [[nodiscard]] const std::string& in(Language language) const {
        return language == Language::English ? english : chinese;
    }
    [[nodiscard]] bool empty() const { return chinese.empty() && english.empty(); }
};

// Each language's texts one after the other.
[[nodiscard]] Message operator+(Message first, const Message& second);

// The wording with each {n} (1 to 9) replaced by the n-th argument in the
// same language; an {n} without an argument stays as it is.
[[nodiscard]] Message fill(Wording wording, std::initializer_list<Message> arguments);

// What a message quotes of a text someone typed: in Chinese between “ and ”,
// without the blanks around it and cut with …… after 40 characters; in
// English between straight quotes, whole.
[[nodiscard]] Message quoted(std::string_view typed);

// The Chinese half of quoted().
[[nodiscard]] std::string quotedInMessage(std::string_view typed);

// A problem that stops a table's or a file's reading or writing, told in
// both languages; what() is the English.
class MessageError : public std::runtime_error {
  public:
    explicit MessageError(Message message)
        : std::runtime_error(message.english), message_(std::move(message)) {}

    [[nodiscard]] const Message& message() const { return message_; }

  private:
    Message message_;
};

}  // namespace pilaro::messages
