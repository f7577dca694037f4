#include "table/separator.h"

#include <algorithm>

namespace pilaro::table {

char separatorOf(std::string_view headerLine) {
    long commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (char c : headerLine) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    // Tabs may also stand as blanks around the cells of a comma's line.
    if (commas == 0 && semicolons == 0 && tabs > 0) return '\t';
    return semicolons > commas ? ';' : ',';
}

bool showsSeparator(std::string_view line) {
    return line.find_first_of(",;\t") != std::string_view::npos;
}

char separatorOfText(std::string_view text) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        if (showsSeparator(line)) return separatorOf(line);
        start = end + 1;
    }
    return ',';
}

std::optional<char> separatorNamed(std::string_view name) {
    if (name == "," || name == "comma") return ',';
    if (name == ";" || name == "semicolon") return ';';
    if (name == "\t" || name == "tab") return '\t';
    return std::nullopt;
}

}  // namespace pilaro::table
