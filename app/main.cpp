// Start-up: Qt's Chinese dialogs, the main window, its style and font, and
// its icon; --help and --version answered before any of it.
#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <cstring>
#include <thread>

#include "app/font_configuration.h"
#include "engine/vector_state.h"
#include "ui/look_and_feel.h"
#include "ui/main_window.h"
#include "ui/qt_translations.h"

namespace {

constexpr const char* kHelp =
    "用法: pilaro [选项]\n"
    "\n"
    "圆形截面钢筋混凝土构件（柱、墩、桩）偏心受压的配筋计算与强度校核：\n"
    "打开计算窗口，在窗口中选择混凝土标号和钢筋等级，输入荷载和截面，运行并打印。\n"
    "\n"
    "选项:\n"
    "  -h, --help     显示本帮助并退出\n"
    "  --version      显示版本并退出\n"
    "\n"
    "Qt 的标准选项（如 -platform、-style）也可使用。荷载组合表的批量计算和\n"
    "N–M 相互作用图见 pilaro-batch --help；不装程序也能用的浏览器版为\n"
    "/usr/share/pilaro/pilaro.html。\n";

// The answer to --help or --version, which needs no display: the window's
// application is not made for them.
const char* answerWithoutWindow(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return kHelp;
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
    window.setWindowIcon(QIcon(QPixmap(QStringLiteral(":/pilaro.png"))));
    window.show();
    return app.exec();
}
