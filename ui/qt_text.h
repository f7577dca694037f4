// UTF-8 texts of the engine and the control table as Qt strings and back.
#pragma once

#include <QByteArray>
#include <QString>
#include <string_view>

namespace pilaro {

[[nodiscard]] inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A view of `bytes`, valid while they live.
[[nodiscard]] inline std::string_view utf8View(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

}  // namespace pilaro
