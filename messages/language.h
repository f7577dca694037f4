// The language in which Pilaro speaks to a person: Chinese, as the window
// does, unless English is asked for.
#pragma once

namespace pilaro {

enum class Language { Chinese, English };

}  // namespace pilaro
