// The form as data: every control with its name, kind, container, caption
// or initial text, place, size, tab index and role. The window and the page
// are both built from it, and this table is the one place that names their
// controls (the window's object names, the page's element ids).
#pragma once

#include <span>
#include <string_view>
#include <variant>

#include "form/control_role.h"

namespace pilaro {

enum class ControlKind {
    Frame,          // captioned border around a group of controls
    Caption,        // static text
    TextField,      // single-line editable field
    DropDownList,   // list with an editable text part
    OptionButton,   // one of the calculation-type options
    PushButton,     // run, print, exit
    PrinterDialog,  // never visible; gives the print button its dialog
};

// Positions and sizes are in twips (15 twips to a pixel), measured from the
// outer top-left corner of the container.
struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view container;  // kWindowName or the name of a frame
    std::string_view text;       // caption or initial text, UTF-8
    int left;
    int top;
    int width;
    int height;
    int tabIndex;  // -1: not in the tab order at all
    // What the control is to the form's rules; nothing for frames and
    // captions.
    ControlRole role = {};

    // A field that shows a result: the run writes it, the user can select
    // and copy its text but not change it.
    [[nodiscard]] constexpr bool readOut() const { return std::holds_alternative<ReadOutId>(role); }
};

// The window's own object name: the container name of the frames and buttons
// in this table.
inline constexpr std::string_view kWindowName = "Form1";
inline constexpr int kClientWidthTwips = 7575;
inline constexpr int kClientHeightTwips = 4935;

// Every container comes before the controls it holds. Every role of the
// form belongs to exactly one control, and every name is the only one.
[[nodiscard]] std::span<const ControlRow> mainWindowControls();

// The control named `name`; null when the table has none.
[[nodiscard]] const ControlRow* findControl(std::string_view name);

// The name of the control that has `role`; empty for no role.
[[nodiscard]] std::string_view controlName(const ControlRole& role);

}  // namespace pilaro
