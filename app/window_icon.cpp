#include "app/window_icon.h"

#include <QImageReader>
#include <QString>
#include <system_error>

namespace pilaro {

namespace {

QImage readWindowIcon() {
    return QImageReader(QStringLiteral(":/pilaro.png")).read();
}

}  // namespace

std::future<QImage> readWindowIconAhead() {
    try {
        return std::async(std::launch::async, readWindowIcon);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, readWindowIcon);
    }
}

}  // namespace pilaro
