// Fontconfig reads its configuration, a few hundred files of XML, the
// first time anything asks it for a font: the window does while it builds
// its first control, a quarter of its start-up on the way to the first
// paint. The configuration can be read on a thread of its own while Qt
// connects to the display.
#pragma once

#include <thread>

namespace pilaro {

// Starts reading fontconfig's configuration on a thread of its own. Join
// the thread before the first font is asked for (after QApplication is
// made, before the window). Where no thread can be started the thread is
// empty, and Qt reads the configuration itself when it needs it.
[[nodiscard]] std::thread readFontConfigurationAhead();

}  // namespace pilaro
