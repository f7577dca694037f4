// Drives the main window through the second design example as a user
// would (typing, picking grades with the arrow keys, clicking) and saves
// what the screen shows of it; with "jtg3362", the same pier under JTG
// 3362-2018 (γ0 1.1, C30, HRB400), and with "jtg3362-check" its check of
// 28D28. Run by screenshot.sh under a virtual display.
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <cstdlib>

#include "ui/look_and_feel.h"
#include "ui/main_window.h"

namespace {

void typeInto(QWidget& window, const char* name, const QString& text) {
    auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The entry `steps` down (up, where negative) from the one shown, one
// arrow key at a time.
void pickWithArrowKeys(QWidget& window, const char* name, int steps) {
    auto* list = window.findChild<QComboBox*>(QString::fromLatin1(name));
    list->setFocus();
    for (int i = 0; i < std::abs(steps); ++i)
        QTest::keyClick(list, steps > 0 ? Qt::Key_Down : Qt::Key_Up);
}

void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pilaro::applyLookAndFeel(app);
    const QStringList args = QApplication::arguments();
    const QStringList modes = {QStringLiteral("archived"), QStringLiteral("jtg3362"),
                               QStringLiteral("jtg3362-check")};
    if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && !modes.contains(args.at(2)))) {
        std::fprintf(stderr, "usage: pilaro_window_screenshot OUTPUT.png [%s]\n",
                     modes.join(QLatin1Char('|')).toUtf8().constData());
        return 2;
    }
    const QString mode = args.size() == 3 ? args.at(2) : modes.front();
    const bool current = mode != modes.front();

    pilaro::MainWindow window;
    window.setWindowIcon(QIcon(QStringLiteral(":/pilaro.png")));
    window.setMessageFunction([](const QString& text) {
        std::fprintf(stderr, "run stopped: %s\n", text.toUtf8().constData());
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    if (current) {
        pickWithArrowKeys(window, "cbomethod", 1);  // JTG 3362-2018
        pickWithArrowKeys(window, "cbogamma", -1);  // 1.1（一级）
        pickWithArrowKeys(window, "cbohnt", 2);     // C30
        pickWithArrowKeys(window, "cbogj", 2);      // HRB400
    } else {
        pickWithArrowKeys(window, "cbohnt", 3);  // 25号
        pickWithArrowKeys(window, "cbogj", 2);   // Ⅱ级
    }
    typeInto(window, "txtnj", QStringLiteral("5000"));
    typeInto(window, "txtmj", QStringLiteral("3000"));
    typeInto(window, "txtzd", QStringLiteral("1.2"));
    typeInto(window, "txtbc", QStringLiteral("0.05"));
    typeInto(window, "txtlj", QStringLiteral("10"));
    if (mode == QStringLiteral("jtg3362-check")) {
        click(window, "optqd");
        typeInto(window, "txtag1", QStringLiteral("28D28"));
    } else {
        click(window, "optpj");
    }
    click(window, "cmdrun");
    QTest::qWait(300);

    const QPixmap shot = window.screen()->grabWindow(window.winId());
    if (shot.isNull() || !shot.save(args.at(1))) {
        std::fprintf(stderr, "could not write %s\n", args.at(1).toUtf8().constData());
        return 1;
    }
    return 0;
}
