#include "app/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace pilaro {

std::thread readFontConfigurationAhead() {
    try {
        // FcInit is safe beside another thread's (fontconfig 2.10 on), and
        // Qt's own call finds the configuration read.
        return std::thread([] { static_cast<void>(FcInit()); });
    } catch (const std::system_error&) {
        return {};
    }
}

}  // namespace pilaro
