// Builds the widgets of the main window from its control table.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string_view>

#include "form/control_table.h"

class QWidget;

namespace pilaro {

// The widget of each control by its name in the control table (whose names
// outlive the window). A window's controls are looked up by name on every
// event; a search of its children by object name goes through the Qt
// widgets inside each control as well.
using ControlWidgets = std::map<std::string_view, QWidget*, std::less<>>;

// Creates every control of `controls` inside `window`, named after the
// control, placed by its twips, with its caption or initial text, and sets
// the tab order from the tab indices. Fields are drawn above captions.
// Returns the widgets built; the printer dialog's row, never shown, is a
// named object of the window, not a widget.
[[nodiscard]] ControlWidgets buildControls(QWidget& window, std::span<const ControlRow> controls);

}  // namespace pilaro
