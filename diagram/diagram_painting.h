// The painting of a diagram on any Qt paint device, in the drawing's own
// units (kDiagramWidth by kDiagramHeight).
#pragma once

#include <QPainter>

#include "diagram/diagram_contents.h"

namespace pilaro::diagram {

void paintDiagram(QPainter& painter, const Diagram& diagram);

}  // namespace pilaro::diagram
