#include "web/page_text.h"

#include "messages/table_messages.h"
#include "table/cell_row.h"
#include "table/csv_cell.h"
#include "table/separator.h"
#include "table/text_encoding.h"
#include "text/utf8.h"

namespace pilaro::web {

std::string_view tableEncoding(std::string_view bytes) {
    return table::encodingOf(bytes) == table::TextEncoding::Utf8 ? "utf-8" : "gb18030";
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
    return table::neitherEncodingMessage(scan.firstBadLine(), line).chinese;
}

char tableSeparator(std::string_view text) {
    if (text.starts_with(table::kUtf8ByteOrderMark))
        text.remove_prefix(table::kUtf8ByteOrderMark.size());
    return table::separatorOf(text.substr(0, text.find('\n')));
}

std::string unclosedQuote(long line) {
    return table::unclosedQuoteMessage(line).chinese;
}

std::string tablesNotStarted(std::string_view reason) {
    return messages::tableMessage(messages::TableProblem::TablesNotStarted, {reason}).chinese;
}

}  // namespace pilaro::web
