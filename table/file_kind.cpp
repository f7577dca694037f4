#include "table/file_kind.h"

#include <algorithm>

#include "messages/sheet_messages.h"

namespace pilaro::table {

using messages::SheetProblem;

FileKind fileKindOf(std::string_view bytes) {
    bytes = bytes.substr(0, kFileKindBytes);
    if (bytes.starts_with("\xFF\xFE")) return FileKind::Utf16Le;
    if (bytes.starts_with("\xFE\xFF")) return FileKind::Utf16Be;
    if (bytes.starts_with("PK\x03\x04") || bytes.starts_with("PK\x05\x06"))
        return FileKind::Workbook;
    if (bytes.starts_with("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")) return FileKind::OldWorkbook;
    if (bytes.find('\0') == std::string_view::npos) return FileKind::Text;
    // Text of ASCII characters in UTF-16 has a NUL in every other byte,
    // and nowhere else.
    std::size_t evenNuls = 0, oddNuls = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0') ++(i % 2 == 0 ? evenNuls : oddNuls);
    const std::size_t pairs = bytes.size() / 2;
    const std::size_t most = std::max(evenNuls, oddNuls), least = std::min(evenNuls, oddNuls);
    if (pairs > 0 && least == 0 && most * 2 >= pairs) return FileKind::Utf16NoMark;
    return FileKind::Binary;
}

std::optional<messages::Message> refusalOf(FileKind kind, const messages::Message& file) {
    switch (kind) {
        case FileKind::Text:
        case FileKind::Utf16Le:
        case FileKind::Utf16Be:
        case FileKind::Workbook:
            return std::nullopt;
        case FileKind::OldWorkbook:
            return messages::sheetMessage(SheetProblem::OldWorkbook, {file});
        case FileKind::Utf16NoMark:
            return messages::sheetMessage(SheetProblem::Utf16WithoutMark, {file});
        case FileKind::Binary:
            return messages::sheetMessage(SheetProblem::BinaryFile, {file});
    }
    return std::nullopt;
}

}  // namespace pilaro::table
