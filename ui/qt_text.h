// UTF-8 texts of the engine and the control table as Qt strings.
#pragma once

#include <QString>
#include <string_view>

namespace pilaro {

[[nodiscard]] inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace pilaro
