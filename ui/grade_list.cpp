#include "ui/grade_list.h"

#include <QComboBox>
#include <QLineEdit>

namespace pilaro {

void makeTypingNoChoice(QComboBox& list) {
    list.setInsertPolicy(QComboBox::NoInsert);
    list.setCompleter(nullptr);
    if (QLineEdit* text = list.lineEdit()) {
        // The box matches the typed text against its entries when editing
        // finishes (Enter or focus out) and reports a match as a choice.
        QObject::disconnect(text, &QLineEdit::editingFinished, &list, nullptr);
    }
}

}  // namespace pilaro
