// Builds the widgets of the main window from its control table.
#pragma once

#include <span>

#include "form/control_table.h"

class QWidget;

namespace pilaro {

// Creates every control of `controls` inside `window`, named after the
// control, placed by its twips, with its caption or initial text, and sets
// the tab order from the tab indices. Fields are drawn above captions.
void buildControls(QWidget& window, std::span<const ControlRow> controls);

}  // namespace pilaro
