// The tips file, "TIPs.TXT": one tip per line.
#pragma once

#include <string>
#include <vector>

namespace quintel {

constexpr const char* TipsFileName = "TIPs.TXT";

// The lines of a text file as sequential input reads them: a line ends at
// CR LF, CR or LF, and a break at the very end opens no further line.
std::vector<std::string> TipLines(const std::string& contents);

}  // namespace quintel
