// The program's style and font, set in code so that every machine shows
// the window alike.
#pragma once

class QApplication;

namespace pilaro {

// Fusion style and WenQuanYi Zen Hei Sharp at 12 pixels, with other CJK
// families as fallbacks where it is missing. At this size every caption
// and field text fits its box.
void applyLookAndFeel(QApplication& app);

}  // namespace pilaro
