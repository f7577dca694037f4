// Drives the main window the way a user does: typing, picking list
// entries with the keyboard, clicking.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include "ui/look_and_feel.h"

namespace pilaro::test {

inline void useProgramLook() {
    pilaro::applyLookAndFeel(*static_cast<QApplication*>(QCoreApplication::instance()));
}

template <class Widget>
Widget* control(const QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QString::fromUtf8(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
}

// Keys for ASCII; other characters arrive committed by an input method,
// as Chinese text does. Like the platform's, the input method commits only
// into a widget that takes its text.
inline void typeText(QWidget* target, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(target, ch.toLatin1());
        } else if (target->inputMethodQuery(Qt::ImEnabled).toBool()) {
            QInputMethodEvent commit;
            commit.setCommitString(QString(ch));
            QApplication::sendEvent(target, &commit);
        }
    }
}

// Replaces a field's text as a user would: select all, then type.
inline void typeInto(const QWidget& window, const char* name, const QString& text) {
    auto* field = control<QLineEdit>(window, name);
    field->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Delete);
    } else {
        typeText(field, text);
    }
}

// Moves through the entries with the arrow keys until `entry` is shown.
inline void pickWithArrowKeys(const QWidget& window, const char* name, const QString& entry) {
    auto* list = control<QComboBox>(window, name);
    const int target = list->findText(entry);
    if (target < 0) qFatal("no entry %s", qPrintable(entry));
    while (list->currentIndex() != target) {
        QTest::keyClick(list, list->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
}

inline void click(const QWidget& window, const char* name) {
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

inline QString textOf(const QWidget& window, const char* name) {
    return control<QLineEdit>(window, name)->text();
}

}  // namespace pilaro::test
