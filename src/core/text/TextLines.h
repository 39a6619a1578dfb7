// Splitting a text into lines, for the files Quintel writes itself and the
// output of its switches.
#pragma once

#include <string>
#include <vector>

namespace quintel {

// The lines of a text, without their CR LF (or LF) ends; a CR alone stays
// in its line, and a break at the very end opens no further line.
std::vector<std::string> TextLines(const std::string& text);

}  // namespace quintel
