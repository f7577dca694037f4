// The file formats a diagram is drawn in.
#pragma once

namespace pilaro::diagram {

enum class DiagramFormat { Svg, Png, Pdf };

}  // namespace pilaro::diagram
