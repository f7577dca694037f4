#include "table/text_encoding.h"

#include <algorithm>

#include "messages/table_messages.h"

namespace pilaro::table {

TextEncoding encodingOf(const text::Utf8Scan& wholeText) {
    return wholeText.wholeTextIsUtf8() ? TextEncoding::Utf8 : TextEncoding::Gb18030;
}

TextEncoding encodingOf(std::string_view wholeText) {
    if (wholeText.starts_with("\xFF\xFE")) return TextEncoding::Utf16Le;
    if (wholeText.starts_with("\xFE\xFF")) return TextEncoding::Utf16Be;
    text::Utf8Scan scan;
    scan.feed(wholeText);
    return encodingOf(scan);
}

messages::Message neitherEncodingMessage(long firstBadUtf8Line, long firstBadGb18030Line) {
    return messages::tableMessage(
        messages::TableProblem::NeitherEncoding,
        {std::to_string(std::max(firstBadUtf8Line, firstBadGb18030Line))});
}

}  // namespace pilaro::table
