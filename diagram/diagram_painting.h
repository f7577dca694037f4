// The painting of a diagram's layout (diagram_layout.h) on any Qt paint device,
// in the drawing's own units (kDiagramWidth by kDiagramHeight), its texts
// measured in the device's font.
#pragma once

#include <QPainter>

#include "diagram/diagram_contents.h"

namespace pilaro::diagram {

void paintDiagram(QPainter& painter, const Diagram& diagram);

}  // namespace pilaro::diagram
