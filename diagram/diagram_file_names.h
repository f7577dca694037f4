// How a diagram's files are named: the extension of each format, and a
// member's name made a safe file name.
#pragma once

#include <string>
#include <string_view>

namespace pilaro::diagram {

enum class DiagramFormat { Svg, Png, Pdf };

// "svg", "png" or "pdf".
[[nodiscard]] const char* extensionOf(DiagramFormat format);

// A member's name as a file name: no path separators, control characters
// or characters other systems forbid, no leading dot, bytes that are not
// UTF-8 replaced, at most about a hundred bytes. "all-rows" for a table
// without members, "no-member" for its rows without one.
[[nodiscard]] std::string fileStem(std::string_view member, bool hasMemberColumn);

// The stem of a diagram's files: the member's, followed by the steel's
// ("P1-24D28") when the member has several diagrams.
[[nodiscard]] std::string diagramStem(std::string_view member, bool hasMemberColumn,
                                      std::string_view steelKey, bool severalDiagrams);

}  // namespace pilaro::diagram
