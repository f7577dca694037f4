// Start-up: Qt's Chinese dialogs, the main window, its style and font, and
// its icon.
#include <QApplication>
#include <QIcon>

#include "ui/look_and_feel.h"
#include "ui/main_window.h"
#include "ui/qt_translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to pilaro.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pilaro"));
    pilaro::applyLookAndFeel(app);
    pilaro::installQtChineseTranslations(app);

    pilaro::MainWindow window;
    window.setWindowIcon(QIcon(QStringLiteral(":/pilaro.png")));
    window.show();
    return app.exec();
}
