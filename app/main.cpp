// Start-up: Qt's Chinese dialogs, the main window, its style and font, and
// its icon.
#include <QApplication>
#include <QIcon>

#include "engine/vector_state.h"
#include "ui/look_and_feel.h"
#include "ui/main_window.h"
#include "ui/qt_translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt's start-up leaves the upper vector halves in use; the engine
    // clears them as it is entered, and once here for all that follows.
    pilaro::clearUpperVectorHalves();
    // Lets the desktop match the window to pilaro.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pilaro"));
    pilaro::applyLookAndFeel(app);
    pilaro::installQtChineseTranslations(app);

    pilaro::MainWindow window;
    window.setWindowIcon(QIcon(QStringLiteral(":/pilaro.png")));
    window.show();
    return app.exec();
}
