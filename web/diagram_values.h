// Diagrams handed to the page's JavaScript: each one's layout
// (diagram/diagram_layout.h) as plain values, laid out with the page's own
// font measured by the page, for its SVG. Only for the module's bindings.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "diagram/diagram_contents.h"

namespace pilaro::web {

// `measure` has width(text, pixels, bold), ascent(pixels) and
// height(pixels) of the page's font. Gives {diagrams, problems, style}:
// each diagram's layout with its file stem (`stems`, in order) and title,
// why there is none, and the colours and lines they are drawn with.
[[nodiscard]] emscripten::val diagramValues(const std::vector<diagram::Diagram>& diagrams,
                                            const std::vector<std::string>& stems,
                                            const std::vector<std::string>& problems,
                                            emscripten::val measure);

}  // namespace pilaro::web
