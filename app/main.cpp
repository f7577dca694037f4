// Start-up: Qt's Chinese dialogs, the main window, its style and font, and
// its icon; --help and --version answered before any of it.
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <cstring>
#include <future>
#include <thread>

#include "app/font_configuration.h"
#include "app/window_icon.h"
#include "engine/vector_state.h"
#include "messages/program_help.h"
#include "ui/look_and_feel.h"
#include "ui/main_window.h"
#include "ui/qt_translations.h"

namespace {

// The answer to --help or --version, which needs no display: the window's
// application is not made for them. The help speaks Chinese, as the window
// does; its wording is a literal, so its text ends with a null.
const char* answerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            return pilaro::messages::helpWording(pilaro::messages::HelpText::WindowProgram)
                .chinese.data();
        if (std::strcmp(argv[i], "--version") == 0) return "pilaro " PILARO_VERSION "\n";
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (const char* answer = answerWithoutWindow(argc, argv))
        return std::fputs(answer, stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    // Fontconfig's configuration is read while Qt connects to the display.
    std::thread fontConfiguration = pilaro::readFontConfigurationAhead();
    QApplication app(argc, argv);
    if (fontConfiguration.joinable()) fontConfiguration.join();
    // Read, and Qt's image plugins loaded, beside what follows.
    std::future<QImage> icon = pilaro::readWindowIconAhead();
    // Qt's start-up leaves the upper vector halves in use; the engine
    // clears them as it is entered, and once here for all that follows.
    pilaro::clearUpperVectorHalves();
    // Lets the desktop match the window to pilaro.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("pilaro"));
    pilaro::applyLookAndFeel(app);
    pilaro::installQtChineseTranslations(app);

    pilaro::MainWindow window;
    // From the pixmap: a QIcon made from a file name first asks the icon
    // engine plugins whether they read it, a millisecond of start-up.
    window.setWindowIcon(QIcon(QPixmap::fromImage(icon.get())));
    window.show();
    return app.exec();
}
