// The language in which pilaro-batch and its tables speak to a person:
// Chinese, as the window does, unless English is asked for.
#pragma once

namespace pilaro::table {

enum class Language { Chinese, English };

}  // namespace pilaro::table
