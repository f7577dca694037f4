#include "diagram/diagram_file_names.h"

#include "text/utf8.h"

namespace pilaro::diagram {

namespace {

constexpr std::size_t kLongestStem = 100;  // bytes; a file name may have 255

}  // namespace

const char* extensionOf(DiagramFormat format) {
    switch (format) {
        case DiagramFormat::Svg:
            return "svg";
        case DiagramFormat::Png:
            return "png";
        case DiagramFormat::Pdf:
            return "pdf";
    }
    return "";
}

std::string fileStem(std::string_view member, bool hasMemberColumn) {
    if (!hasMemberColumn) return "all-rows";
    if (member.empty()) return "no-member";
    std::string stem;
    for (std::size_t at = 0; at < member.size();) {
        const std::size_t length = text::utf8CharLength(member, at);
        if (length == 0) {
            stem += '_';
            ++at;
            continue;
        }
        if (stem.size() + length > kLongestStem) break;
        const unsigned char c = static_cast<unsigned char>(member[at]);
        const bool forbidden =
            length == 1 &&
            (c < 0x20 || c == 0x7f ||
             std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos);
        stem += forbidden ? std::string("_") : std::string(member.substr(at, length));
        at += length;
    }
    if (stem.starts_with('.')) stem[0] = '_';
    return stem;
}

std::string diagramStem(std::string_view member, bool hasMemberColumn, std::string_view steelKey,
                        bool severalDiagrams) {
    std::string stem = fileStem(member, hasMemberColumn);
    if (severalDiagrams) {
        stem += '-';
        stem += fileStem(steelKey, true);
    }
    return stem;
}

}  // namespace pilaro::diagram
