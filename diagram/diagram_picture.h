// The drawing of a diagram: axes M across and N up with round ticks, the
// section's curve, each load case as a green (passes) or red (fails) marker
// with its name, and a title with the section and its steel. Drawn with
// Qt's painter; needs a QGuiApplication for its fonts.
#pragma once

#include <memory>
#include <string>

#include "diagram/diagram_contents.h"
#include "diagram/diagram_file_names.h"
#include "diagram/diagram_layout.h"

class QGuiApplication;

namespace pilaro::diagram {

// The application object that Qt's fonts need, made when the program has
// none, on the offscreen platform whatever QT_QPA_PLATFORM says: a batch
// run opens no window and may have no display. Held while it lives.
class PaintingApplication {
  public:
    PaintingApplication();
    ~PaintingApplication();
    PaintingApplication(const PaintingApplication&) = delete;
    PaintingApplication& operator=(const PaintingApplication&) = delete;

  private:
    std::unique_ptr<QGuiApplication> application_;
};

// The bytes of the file in `format`; empty when it cannot be drawn.
[[nodiscard]] std::string diagramPicture(const Diagram& diagram, DiagramFormat format);

}  // namespace pilaro::diagram
