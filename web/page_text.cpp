#include "web/page_text.h"

#include <string>

#include "messages/table_messages.h"
#include "table/cell_row.h"
#include "table/csv_cell.h"
#include "table/separator.h"
#include "table/text_encoding.h"
#include "text/utf8.h"

namespace pilaro::web {

std::string_view tableEncoding(std::string_view bytes) {
    switch (table::encodingOf(bytes)) {
        case table::TextEncoding::Utf8:
            return "utf-8";
        case table::TextEncoding::Gb18030:
            return "gb18030";
        case table::TextEncoding::Utf16Le:
            return "utf-16le";
        case table::TextEncoding::Utf16Be:
            return "utf-16be";
    }
    return "utf-8";
}

std::string undecodableText(std::string_view bytes, const LineDecodes& decodes) {
    text::Utf8Scan scan;
    scan.feed(bytes);
    long line = 1;
    for (std::size_t start = 0;; ++line) {
        const std::size_t end = bytes.find('\n', start);
        if (!decodes(bytes.substr(start, end == std::string_view::npos ? end : end - start))) break;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    const table::TextEncoding encoding = table::encodingOf(bytes);
    if (encoding == table::TextEncoding::Utf16Le || encoding == table::TextEncoding::Utf16Be)
        return messages::tableMessage(messages::TableProblem::NotUtf16, {std::to_string(line)})
            .chinese;
    return table::neitherEncodingMessage(scan.firstBadLine(), line).chinese;
}

char tableSeparator(std::string_view text) {
    if (text.starts_with(table::kUtf8ByteOrderMark))
        text.remove_prefix(table::kUtf8ByteOrderMark.size());
    return table::separatorOfText(text);
}

std::string unclosedQuote(long line) {
    return table::unclosedQuoteMessage(line).chinese;
}

std::string tablesNotStarted(std::string_view reason) {
    return messages::tableMessage(messages::TableProblem::TablesNotStarted, {reason}).chinese;
}

}  // namespace pilaro::web
