// Which encoding a table's text is read in: UTF-8 when the whole text is
// UTF-8 (with or without a byte-order mark), else GB18030, which Excel on
// Chinese Windows saves as "CSV (逗号分隔)". pilaro-batch converts GB18030
// with the C library's iconv (table/input_text.h), the browser page with
// its TextDecoder; both decide here, and refuse here a text that is
// neither.
#pragma once

#include <string>
#include <string_view>

#include "messages/wording.h"
#include "text/utf8.h"

namespace pilaro::table {

// UTF-16 only with its byte-order mark (table/file_kind.h finds it).
enum class TextEncoding { Utf8, Gb18030, Utf16Le, Utf16Be };

// After the scan has been fed the whole text: UTF-8 or GB18030.
[[nodiscard]] TextEncoding encodingOf(const text::Utf8Scan& wholeText);
// The same, or UTF-16 for a text that starts with its byte-order mark.
[[nodiscard]] TextEncoding encodingOf(std::string_view wholeText);

// The message for a text that is neither: it names the later of the two
// lines where the text stops being UTF-8 and stops being GB18030, where it
// stops being the encoding it was most likely meant to be.
[[nodiscard]] messages::Message neitherEncodingMessage(long firstBadUtf8Line,
                                                       long firstBadGb18030Line);

}  // namespace pilaro::table
