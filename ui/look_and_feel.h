// The program's style and font, set in code so that every machine shows
// the window alike.
#pragma once

#include <QStringList>

class QApplication;

namespace pilaro {

// The window's font families: WenQuanYi Zen Hei Sharp alone where it is
// installed; elsewhere it first and other CJK families in its place.
[[nodiscard]] QStringList windowFontFamilies(bool textFontInstalled);

// Fusion style and the window's font families at 12 pixels. At this size
// every caption and field text fits its box.
void applyLookAndFeel(QApplication& app);

}  // namespace pilaro
