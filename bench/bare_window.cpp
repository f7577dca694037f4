// The yardstick for start-up: the least a Qt Widgets program can show, one
// top-level window the size of the main window with one line of text (so
// that its first paint can be told from an empty window), built with the
// same compiler, flags and Qt as the program.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Qt Widgets"));
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(505, 329);
    window.show();
    return app.exec();
}
