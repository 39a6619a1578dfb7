// Names compared as Windows compares registry names and as the settings
// file reads its words: the ASCII letters without regard to case, every
// other byte as it is.
#pragma once

#include <string_view>

namespace quintel {

// Less than 0, 0 or more than 0, as `a` sorts before, with or after `b`.
int CompareNoCase(std::string_view a, std::string_view b);

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

}  // namespace quintel
