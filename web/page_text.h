// A table's text as the page reads it: which encoding its bytes are read
// in and, where the page's own decoder finds they are no such text, the
// line that says so; the separator of its cells, for a file and for cells
// pasted alike; and the refusals of what cannot be read. The rules are
// pilaro-batch's (table/text_encoding.h, table/separator.h); the page
// decodes with the browser's TextDecoder, the one thing asked of it.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace pilaro::web {

// The name of the bytes' encoding for the page's TextDecoder: "utf-8",
// "gb18030", "utf-16le" or "utf-16be".
[[nodiscard]] std::string_view tableEncoding(std::string_view bytes);

// Whether the page's decoder reads the bytes of one line as text in the
// encoding that tableEncoding named.
using LineDecodes = std::function<bool(std::string_view line)>;

// The refusal of bytes that the page's decoder cannot read whole: it names
// the later of the first line that is no UTF-8 and the first line the
// decoder refuses (a line break is never part of a character in UTF-8 or
// GB18030), as pilaro-batch names it.
[[nodiscard]] std::string undecodableText(std::string_view bytes, const LineDecodes& decodes);

// The separator of a table's cells, from the first line of its text that
// shows one (a byte-order mark aside), for a file and for pasted cells
// alike.
[[nodiscard]] char tableSeparator(std::string_view text);

// The refusal of a table whose record at `line` opens a quoted cell that is
// never closed.
[[nodiscard]] std::string unclosedQuote(long line);

// Why the page's tables cannot run: the worker that runs them did not
// start, for `reason`.
[[nodiscard]] std::string tablesNotStarted(std::string_view reason);

}  // namespace pilaro::web
