// The figures of a diagram as CSV, beside the drawing: the curve's points
// and then the load points, so that the picture can be checked and reused.
#pragma once

#include <string>

#include "diagram/diagram_contents.h"

namespace pilaro::diagram {

// UTF-8 with a byte-order mark and CRLF line ends, like the output table:
// "xi,N,M" and one line per curve point, then "name,N,M,verdict" and one
// line per load case. Numbers in full precision (the shortest text that
// reads back as the same double); a load case without a point has empty N
// and M, one without a check result the status instead of a verdict, and a
// design 配筋计算, as its marker shows it. A diagram of the current code has
// "alpha,N,M" over its curve, and "Nmax" with its axial limit on the line
// below before the load points.
[[nodiscard]] std::string diagramCsv(const Diagram& diagram);

}  // namespace pilaro::diagram
