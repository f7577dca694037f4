// What an input file is, from its first bytes: a text table (UTF-8,
// GB18030, or UTF-16 with a byte-order mark, as Excel saves "Unicode 文本"),
// an .xlsx workbook, or something that is no table this program reads,
// which is refused with what it seems to be and what to do. pilaro-batch
// and the page both decide here.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "messages/wording.h"

namespace pilaro::table {

enum class FileKind {
    Text,         // UTF-8 or GB18030 (table/text_encoding.h decides which)
    Utf16Le,      // with its byte-order mark FF FE
    Utf16Be,      // with its byte-order mark FE FF
    Workbook,     // a zip archive: an .xlsx workbook, as its parts tell
    OldWorkbook,  // an Excel 97-2003 workbook (.xls)
    Utf16NoMark,  // UTF-16 text without a byte-order mark
    Binary,       // anything else with NUL bytes
};

// How many first bytes fileKindOf looks at.
inline constexpr std::size_t kFileKindBytes = 4096;

[[nodiscard]] FileKind fileKindOf(std::string_view firstBytes);

// The refusal of a file of `kind` named `file`; nothing for the kinds that
// are read.
[[nodiscard]] std::optional<messages::Message> refusalOf(FileKind kind,
                                                         const messages::Message& file);

}  // namespace pilaro::table
