// The editable grade lists: a grade is chosen only by picking an entry.
#pragma once

#include <QStringList>

class QComboBox;

namespace pilaro {

// Stops typing in the list's text part from ever counting as a choice:
// QComboBox would otherwise report `activated` when Enter is pressed, when
// the focus leaves with an entry's text typed, or when the completer
// finishes a word. Picking with the mouse, the arrow keys or the wheel
// still reports it.
void makeTypingNoChoice(QComboBox& list);

// Appends `entries` in order and leaves none selected, the text part
// showing what it showed before.
void appendEntriesNoneSelected(QComboBox& list, const QStringList& entries);

}  // namespace pilaro
