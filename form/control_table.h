// The form as data: every control with its name, kind, container, caption
// or initial text, place, size, tab index and role. The window and the page
// are both built from it, and this table is the one place that names their
// controls (the window's object names, the page's element ids).
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "form/control_role.h"
#include "table/row_method.h"

namespace pilaro {

enum class ControlKind {
    Frame,          // captioned border around a group of controls
    Caption,        // static text
    TextField,      // single-line editable field
    DropDownList,   // list with an editable text part
    ChoiceList,     // list whose entries are all it can show: nothing typed
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
    // The one method whose form shows the control (and what it holds);
    // nothing for a control of both.
    std::optional<table::Method> method = {};

    // A field that shows a result: the run writes it, the user can select
    // and copy its text but not change it.
    [[nodiscard]] constexpr bool readOut() const {
        return std::holds_alternative<ReadOutId>(role) ||
               std::holds_alternative<jtg3362::ReadOut>(role);
    }
};

// The window's own object name: the container name of the frames and buttons
// in this table.
inline constexpr std::string_view kWindowName = "Form1";
// The archived form's client area. The choice of method is a band below it
// (its top at kMethodBandTop), and the current code's read-outs a frame
// below that, so that nothing of the archived form moves.
inline constexpr int kClientWidthTwips = 7575;
inline constexpr int kClientHeightTwips = 4935;
inline constexpr int kMethodBandTop = 5040;

// The client area of the form of a method: the archived form with the
// band of the method's choice, and with the current code's frame below.
struct FormBox {
    int width;
    int height;
};
[[nodiscard]] FormBox formBox(table::Method method);

// A control's place in its container, in twips.
struct ControlPlace {
    std::string_view control;
    int left;
    int top;
    int width;
    int height;
};

// The places of the controls of both methods that stand elsewhere under
// the current code (the bars of 36 mm, in the place of the archived 34
// mm), as they stand under `method`: their rows' places for the archived
// method.
[[nodiscard]] std::vector<ControlPlace> methodPlaces(table::Method method);

// Where the page shows a control of the window's own client area: the
// band of the method's choice at the top, above the grade lists, and the
// archived form below it. A control inside a frame keeps its place in it.
[[nodiscard]] int pageTop(const ControlRow& row);

// Every container comes before the controls it holds. Every role of the
// form belongs to exactly one control, and every name is the only one.
[[nodiscard]] std::span<const ControlRow> mainWindowControls();

// The control named `name`; null when the table has none.
[[nodiscard]] const ControlRow* findControl(std::string_view name);

// The name of the control that has `role`; empty for no role.
[[nodiscard]] std::string_view controlName(const ControlRole& role);

}  // namespace pilaro
