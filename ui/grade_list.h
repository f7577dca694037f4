// The editable grade lists: a grade is chosen only by picking an entry.
#pragma once

class QComboBox;

namespace pilaro {

// Stops typing in the list's text part from ever counting as a choice:
// QComboBox would otherwise report `activated` when Enter is pressed, when
// the focus leaves with an entry's text typed, or when the completer
// finishes a word. Picking with the mouse, the arrow keys or the wheel
// still reports it.
void makeTypingNoChoice(QComboBox& list);

}  // namespace pilaro
