// Drives the main window through the second design example as a user
// would (typing, picking grades with the arrow keys, clicking) and saves
// what the screen shows of it. Run by screenshot.sh under a virtual display.
#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "ui/look_and_feel.h"
#include "ui/main_window.h"

namespace {

void typeInto(QWidget& window, const char* name, const QString& text) {
    auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// The entry `steps` down from none selected, one arrow key at a time.
void pickWithArrowKeys(QWidget& window, const char* name, int steps) {
    auto* list = window.findChild<QComboBox*>(QString::fromLatin1(name));
    list->setFocus();
    for (int i = 0; i < steps; ++i) QTest::keyClick(list, Qt::Key_Down);
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
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: pilaro_window_screenshot OUTPUT.png\n");
        return 2;
    }

    pilaro::MainWindow window;
    window.setWindowIcon(QIcon(QStringLiteral(":/pilaro.png")));
    window.setMessageFunction([](const QString& text) {
        std::fprintf(stderr, "run stopped: %s\n", text.toUtf8().constData());
    });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;

    pickWithArrowKeys(window, "cbohnt", 3);  // 25号
    pickWithArrowKeys(window, "cbogj", 2);   // Ⅱ级
    typeInto(window, "txtnj", QStringLiteral("5000"));
    typeInto(window, "txtmj", QStringLiteral("3000"));
    typeInto(window, "txtzd", QStringLiteral("1.2"));
    typeInto(window, "txtbc", QStringLiteral("0.05"));
    typeInto(window, "txtlj", QStringLiteral("10"));
    click(window, "optpj");
    click(window, "cmdrun");
    QTest::qWait(300);

    const QPixmap shot = window.screen()->grabWindow(window.winId());
    if (shot.isNull() || !shot.save(args.at(1))) {
        std::fprintf(stderr, "could not write %s\n", args.at(1).toUtf8().constData());
        return 1;
    }
    return 0;
}
