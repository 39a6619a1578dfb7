// The access key of a caption: the character after a single '&' ("&&" is
// a literal ampersand), upper-cased; 0 when there is none.
#pragma once

#include <string_view>

namespace quintel::win32 {

char MnemonicOf(std::string_view caption);

}  // namespace quintel::win32
