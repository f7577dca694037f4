#include "table/text_encoding.h"

#include <algorithm>

namespace pilaro::table {

TextEncoding encodingOf(const text::Utf8Scan& wholeText) {
    return wholeText.wholeTextIsUtf8() ? TextEncoding::Utf8 : TextEncoding::Gb18030;
}

TextEncoding encodingOf(std::string_view wholeText) {
    text::Utf8Scan scan;
    scan.feed(wholeText);
    return encodingOf(scan);
}

std::string neitherEncodingMessage(long firstBadUtf8Line, long firstBadGb18030Line) {
    return "line " + std::to_string(std::max(firstBadUtf8Line, firstBadGb18030Line)) +
           " of the input is neither UTF-8 nor GB18030 text";
}

}  // namespace pilaro::table
