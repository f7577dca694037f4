// The text of an input table as UTF-8, whatever a spreadsheet saved: a
// file that is UTF-8 as a whole (with or without a byte-order mark) is
// read as it is; any other is read as GB18030, which Excel on Chinese
// Windows saves as "CSV (逗号分隔)", converted with the C library's iconv.
// Which encoding, and the refusal of a text that is neither, are
// table/text_encoding.h's, which the browser edition shares; it converts
// with its own TextDecoder, so this file is not part of pilaro_table.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>

#include "table/text_encoding.h"

namespace pilaro::table {

// What reading a text to its end decided: its encoding and the length of
// its UTF-8.
struct TextDecision {
    TextEncoding encoding = TextEncoding::Utf8;
    std::uint64_t utf8Size = 0;
};

class InputText {
  public:
    // Reads `in` to its end once to decide, then reads it again from the
    // start as it is taken; a stream that cannot go back (a pipe) is kept
    // in memory. Throws messages::MessageError, naming the first line that is
    // neither, when the text is neither UTF-8 nor GB18030, or when it
    // cannot be read.
    explicit InputText(std::istream& in);
    // The same text read again after an InputText of it decided: it is not
    // read to its end first. Text that is no text of its encoding throws
    // where it stands, as it is taken.
    InputText(std::istream& in, const TextDecision& decided);
    ~InputText();
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;

    TextEncoding encoding() const { return encoding_; }
    // The whole text as UTF-8, from its start.
    std::istream& utf8();
    // Goes back to the start of the text, after a look ahead: utf8() then
    // gives the text from its start again (a stream of its own, which a
    // reader must take anew). Throws as the constructor does.
    void restart();
    // The length of that UTF-8 text in bytes.
    std::uint64_t utf8Size() const { return utf8Size_; }
    TextDecision decision() const { return {encoding_, utf8Size_}; }

  private:
    struct Converter;
    std::unique_ptr<std::istream> memory_;  // the input of a pipe
    std::istream* source_ = nullptr;
    std::istream::pos_type start_ = 0;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::uint64_t utf8Size_ = 0;
    std::unique_ptr<Converter> converter_;
};

}  // namespace pilaro::table
