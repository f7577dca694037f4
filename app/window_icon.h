// The window's icon, read on a thread of its own while the window is built.
// The first image Qt reads makes it load every image format plugin, to ask
// each whether it reads the file (a couple of milliseconds of dynamic
// linking on the way to the first paint); Qt's style reads its own images
// the same way when it first paints a frame. Read beside the window's
// construction, the plugins are loaded by the time the first paint asks.
#pragma once

#include <QImage>
#include <future>

namespace pilaro {

// Starts reading the icon from the program's resources: after the
// QApplication is made. Where no thread can be started, the icon is read
// when it is asked for.
[[nodiscard]] std::future<QImage> readWindowIconAhead();

}  // namespace pilaro
