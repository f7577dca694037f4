#include "table/input_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "messages/table_messages.h"
#include "text/utf8.h"

namespace pilaro::table {

using messages::MessageError;
using messages::tableError;
using messages::TableProblem;

namespace {

constexpr std::size_t kPiece = std::size_t{1} << 16;

// Reads `in` from where it stands to its end, one piece at a time.
template <typename Take>
void eachPiece(std::istream& in, Take&& take) {
    std::string buffer(kPiece, '\0');
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got > 0) take(std::string_view(buffer.data(), got));
    }
    if (in.bad()) throw tableError(TableProblem::InputUnreadable, {});
}

void rewind(std::istream& in, std::istream::pos_type start) {
    in.clear();
    in.seekg(start);
    if (!in) throw tableError(TableProblem::InputNotRereadable, {});
}

MessageError neitherError(long firstBadUtf8Line, long firstBadGb18030Line) {
    return MessageError(neitherEncodingMessage(firstBadUtf8Line, firstBadGb18030Line));
}

const char* iconvName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16Le:
            return "UTF-16LE";
        case TextEncoding::Utf16Be:
            return "UTF-16BE";
        case TextEncoding::Utf8:
        case TextEncoding::Gb18030:
            break;
    }
    return "GB18030";
}

bool isUtf16(TextEncoding encoding) {
    return encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be;
}

// The error for text that is no text of its encoding, at `line`.
MessageError undecodable(TextEncoding encoding, long firstBadUtf8Line, long line) {
    if (isUtf16(encoding)) return tableError(TableProblem::NotUtf16, {std::to_string(line)});
    return neitherError(firstBadUtf8Line, line);
}

// GB18030 or UTF-16 text (its byte-order mark kept, as U+FEFF, which the
// CSV reader drops) converted to UTF-8 in pieces; a character cut between
// two pieces is carried to the next. Counts the lines it has converted.
class IconvDecoder {
  public:
    explicit IconvDecoder(TextEncoding encoding = TextEncoding::Gb18030)
        : iconv_(iconv_open("UTF-8", iconvName(encoding))) {
        if (iconv_ == reinterpret_cast<iconv_t>(-1)) throw tableError(TableProblem::NoGb18030, {});
    }
    ~IconvDecoder() { iconv_close(iconv_); }
    IconvDecoder(const IconvDecoder&) = delete;
    IconvDecoder& operator=(const IconvDecoder&) = delete;

    // Appends the UTF-8 of `piece` to `out`; false at bytes that are no
    // GB18030 character, whose line is then line().
    bool feed(std::string_view piece, std::string& out) {
        std::string input = carry_ + std::string(piece);
        carry_.clear();
        char* in = input.data();
        std::size_t inLeft = input.size();
        const std::size_t before = out.size();
        std::size_t written = out.size();
        bool good = true;
        while (inLeft > 0) {
            out.resize(written + 2 * inLeft + 16);
            char* to = out.data() + written;
            std::size_t toLeft = out.size() - written;
            const std::size_t result = iconv(iconv_, &in, &inLeft, &to, &toLeft);
            const int error = errno;
            written = static_cast<std::size_t>(to - out.data());
            if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
            if (error == EINVAL) carry_.assign(in, inLeft);  // cut at the piece's end
            good = error == EINVAL;
            break;
        }
        out.resize(written);
        line_ += static_cast<long>(
            std::count(out.begin() + static_cast<std::ptrdiff_t>(before), out.end(), '\n'));
        return good;
    }

    // After the last piece: nothing was cut short.
    bool finished() const { return carry_.empty(); }
    // The line at which conversion stands, from 1.
    long line() const { return line_; }

  private:
    iconv_t iconv_;
    std::string carry_;
    long line_ = 1;
};

}  // namespace

// Reads the source in pieces and hands out their UTF-8.
struct InputText::Converter : std::streambuf {
    Converter(std::istream& in, TextEncoding encoding)
        : in_(in), piece_(kPiece, '\0'), decoder_(encoding), encoding_(encoding), stream_(this) {}

    int_type underflow() override {
        while (gptr() == egptr()) {
            if (ended_) return traits_type::eof();
            in_.read(piece_.data(), static_cast<std::streamsize>(piece_.size()));
            const auto got = static_cast<std::size_t>(in_.gcount());
            if (in_.bad()) throw tableError(TableProblem::InputUnreadable, {});
            out_.clear();
            if (got == 0) {
                ended_ = true;
                if (!decoder_.finished()) throw undecodable(encoding_, 0, decoder_.line());
                continue;
            }
            if (!decoder_.feed(std::string_view(piece_.data(), got), out_))
                throw undecodable(encoding_, 0, decoder_.line());
            setg(out_.data(), out_.data(), out_.data() + out_.size());
        }
        return traits_type::to_int_type(*gptr());
    }

    std::istream& in_;
    std::string piece_, out_;
    IconvDecoder decoder_;
    TextEncoding encoding_;
    bool ended_ = false;
    std::istream stream_;
};

InputText::InputText(std::istream& in) : source_(&in) {
    std::istream::pos_type start = in.tellg();
    if (start == std::istream::pos_type(-1)) {
        auto memory =
            std::make_unique<std::stringstream>(std::ios::in | std::ios::out | std::ios::binary);
        eachPiece(in, [&](std::string_view piece) {
            memory->write(piece.data(), static_cast<std::streamsize>(piece.size()));
        });
        memory_ = std::move(memory);
        source_ = memory_.get();
        start = 0;
    }

    text::Utf8Scan scan;
    std::uint64_t size = 0;
    std::string head;
    eachPiece(*source_, [&](std::string_view piece) {
        if (head.size() < 2) head += piece.substr(0, 2 - head.size());
        scan.feed(piece);
        size += piece.size();
    });
    rewind(*source_, start);
    start_ = start;
    // UTF-16 only with its byte-order mark, as Excel saves "Unicode 文本".
    if (head == "\xFF\xFE")
        encoding_ = TextEncoding::Utf16Le;
    else if (head == "\xFE\xFF")
        encoding_ = TextEncoding::Utf16Be;
    else if (encodingOf(scan) == TextEncoding::Utf8) {
        utf8Size_ = size;
        return;
    } else
        encoding_ = TextEncoding::Gb18030;

    // Checked whole before a row is read, so that a file that is neither
    // stops the run before anything is written.
    IconvDecoder decoder(encoding_);
    std::string out;
    const auto neither = [&] {
        return undecodable(encoding_, scan.firstBadLine(), decoder.line());
    };
    eachPiece(*source_, [&](std::string_view piece) {
        out.clear();
        if (!decoder.feed(piece, out)) throw neither();
        utf8Size_ += out.size();
    });
    if (!decoder.finished()) throw neither();
    rewind(*source_, start);
    converter_ = std::make_unique<Converter>(*source_, encoding_);
}

InputText::InputText(std::istream& in, const TextDecision& decided)
    : source_(&in), start_(in.tellg()), encoding_(decided.encoding), utf8Size_(decided.utf8Size) {
    if (start_ == std::istream::pos_type(-1))
        throw tableError(TableProblem::InputNotRereadable, {});
    if (encoding_ != TextEncoding::Utf8) converter_ = std::make_unique<Converter>(in, encoding_);
}

void InputText::restart() {
    rewind(*source_, start_);
    if (converter_) converter_ = std::make_unique<Converter>(*source_, encoding_);
}

InputText::~InputText() = default;

std::istream& InputText::utf8() {
    return converter_ ? converter_->stream_ : *source_;
}

}  // namespace pilaro::table
