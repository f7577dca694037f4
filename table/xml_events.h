// The events of an XML part, as any parser gives them: an element's start
// with its attributes, its text, its end. The workbook's rules
// (table/workbook_parts.h, table/sheet_rows.h) take them, whichever parser
// read the part: expat in pilaro-batch, the page's in the browser.
#pragma once

#include <span>
#include <string_view>

namespace pilaro::table {

struct XmlAttribute {
    std::string_view name;
    std::string_view value;
};

class XmlHandler {
  public:
    virtual ~XmlHandler() = default;
    // Names as the part writes them, a prefix included (x:row).
    virtual void start(std::string_view name, std::span<const XmlAttribute> attributes) = 0;
    // Text, entities replaced; an element's text may come in pieces.
    virtual void text(std::string_view text) = 0;
    virtual void end(std::string_view name) = 0;
};

// The name without its namespace prefix: "row" of "x:row".
[[nodiscard]] inline std::string_view localName(std::string_view name) {
    const auto colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// The value of the attribute whose local name is `name`; empty when none.
[[nodiscard]] inline std::string_view attribute(std::span<const XmlAttribute> attributes,
                                                std::string_view name) {
    for (const XmlAttribute& a : attributes)
        if (localName(a.name) == name) return a.value;
    return {};
}

}  // namespace pilaro::table
