// The font of the Chinese text that Pilaro draws: the window's, the printed
// report's and the diagrams', so that they look alike and the text of a
// PDF can be copied out (Debian package fonts-wqy-zenhei).
#pragma once

namespace pilaro::text {

inline constexpr const char* kTextFont = "WenQuanYi Zen Hei Sharp";

}  // namespace pilaro::text
