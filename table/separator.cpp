#include "table/separator.h"

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

std::optional<char> separatorNamed(std::string_view name) {
    if (name == "," || name == "comma") return ',';
    if (name == ";" || name == "semicolon") return ';';
    if (name == "\t" || name == "tab") return '\t';
    return std::nullopt;
}

}  // namespace pilaro::table
